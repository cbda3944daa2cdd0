#pragma once

#include "document/TextEncoding.h"

#include <cstddef>
#include <optional>
#include <string_view>

// How a file's encoding was chosen, as the status bar tells it.
enum class EncodingSource {
    Mark,     // its byte-order mark
    Utf8,     // valid UTF-8 holding characters beyond ASCII
    Detected, // the charset detector was sure enough
    Fallback, // nothing told, so the fallback code page
    Named,    // the user named it
};

struct ReadingOptions {
    std::optional<TextEncoding> named;                     // the user's choice, over everything else
    TextEncoding fallback = *FindEncoding("Windows-1252"); // for files nothing else decides
    bool detect = true;                                    // whether the charset detector is asked
};

struct ChosenEncoding {
    TextEncoding encoding;
    EncodingSource source = EncodingSource::Fallback;
    std::size_t markSize = 0; // bytes of the byte-order mark at the start, skipped when decoding
};

// A byte-order mark decides; then valid UTF-8 holding a multi-byte sequence;
// then, when there are enough bytes beyond ASCII to judge, Thai and
// Vietnamese by their marks, and ICU's detector when it is confident and its
// answer defines every byte of the file; else the fallback. A named encoding wins over all of them.
ChosenEncoding ChooseEncoding(std::string_view bytes, const ReadingOptions &options);
