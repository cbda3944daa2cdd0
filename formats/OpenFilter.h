#pragma once

#include "shell/MessageTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One entry of the open dialog's filter. The first and the last entry take
// their description from the MessageTable in the current language.
struct OpenFilterEntry {
    std::optional<MessageRow> messageRow; // none: the description below is used as it stands
    std::string_view description;
    std::string_view pattern;
};

extern const std::array<OpenFilterEntry, 34> kOpenFilterEntries;

// "description|pattern|description|pattern..." in the language, as the dialog expects.
std::string OpenDialogFilter(std::uint8_t language);
