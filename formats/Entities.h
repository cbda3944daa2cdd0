#pragma once

#include <optional>
#include <string>
#include <string_view>

// Character references of the markup subtitle formats (SAMI, WebVTT):
// "&amp;", "&lt;", "&gt;", "&quot;", "&nbsp;", "&lrm;", "&rlm;" and numeric
// ones, "&#177;" or "&#x41F;".
struct DecodedEntity {
    std::string characters; // UTF-8
    std::size_t length;     // bytes taken, the "&" included
};

// The reference that starts at text[at] (an "&"); none when no known one does,
// and the "&" then stands for itself.
std::optional<DecodedEntity> DecodeEntity(std::string_view text, std::size_t at);
