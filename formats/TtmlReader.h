#pragma once

#include "document/Numbers.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One paragraph of a timed-text document: when it shows, in seconds, and
// its lines joined with "|".
struct TtmlCue {
    Extended begin;
    Extended end; // begin when the document gives the paragraph no end
    std::string text;
};

struct TtmlDocument {
    std::vector<TtmlCue> cues;
    // Paragraphs whose times cannot be read, or that do not fit.
    std::size_t leftOut = 0;
    // The line at which the XML stopped being readable; what follows is not read.
    std::optional<std::size_t> brokenAtLine;
};

// The paragraphs of a TTML or DFXP document given as UTF-8 text, whatever
// encoding its declaration names. None when the root element is not "tt" in
// one of the timed-text namespaces: the text is some other file. Entities
// are not expanded and nothing outside the text is loaded.
std::optional<TtmlDocument> ReadTtml(std::string_view text);
