#pragma once

#include <cstdint>
#include <string>

// "description|pattern|description|pattern..." in the language, as the
// dialog expects: all subtitles, every input format in the table's order,
// then all files.
std::string OpenDialogFilter(std::uint8_t language);
