#pragma once

#include "document/Questions.h"
#include "document/TextEncoding.h"
#include "document/TextList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Writes lines in the encoding; a character it lacks is named and UTF-8 with
// its mark offered instead. Text holding U+FFFD for bytes that could not be
// read, when the encoding cannot hold it, is written in UTF-8 with a message. False when the user declined
// and nothing was written. subRip tells how a line is counted into a subtitle for the message. A file that
// cannot be written throws FileError.
bool SaveInEncoding(const std::string &fileName, const TextList &lines, bool subRip,
                    const TextEncoding &encoding, Questions &questions, std::uint8_t language);

// The same, the subtitle of a line told by subtitleOfLine (line index in,
// subtitle number out).
bool SaveInEncoding(const std::string &fileName, const TextList &lines,
                    const std::function<std::size_t(std::size_t)> &subtitleOfLine,
                    const TextEncoding &encoding, Questions &questions, std::uint8_t language);

// Whether the encoding can write U+FFFD, which stands for bytes that could not be read.
bool HoldsUnreadText(const TextEncoding &encoding);
