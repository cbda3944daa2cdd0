#pragma once

#include "document/Numbers.h"
#include "document/TextList.h"

#include <optional>
#include <string>
#include <string_view>

// String and list surgery of the opener, kept apart from its handler.

// The file name without its folder: everything after the last "\" or "/".
std::string FileNameWithoutFolder(std::string_view path);

// An FpsHeaderLine starts with "{1}{1}". Some MicroDVD writers give the
// rate as "{0}{0}25.0"; such a line is one too when a rate follows, while
// "{0}{0}" before any other text stays a subtitle.
bool IsFpsHeaderLine(std::string_view line);

// The rate of an FpsHeaderLine: the text after its last "}", every "." read
// as the decimal comma. Empty when that text is not a number.
std::optional<Extended> FpsHeaderRate(std::string_view line);

// The lines without their empty ones, except the last line, which stays even
// when it is empty.
TextList WithoutEmptyLines(const TextList &lines);
