#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading SAMI as real files write it: tags and attributes in any case and
// indentation, cues that run over several lines or share one.

// One SYNC of a SAMI body: the text of its Start attribute and its
// subtitle text, lines joined with "|".
struct SamiCue {
    std::string startText;
    std::string text;
};

// The cues of a body, from its "<BODY" tag to "</BODY" or the end. Each
// "<SYNC" tag starts a cue that runs to the next one. In a cue's text, line
// ends and runs of blanks are one blank, break tags and a "<P" after text
// start a new line, other tags and comments go, the common entities are
// decoded, and each line is trimmed; empty lines are dropped.
std::vector<SamiCue> ReadSamiCues(std::string_view body);

// Finds `lowerText` in `text` ignoring the case of ASCII letters; npos when absent.
std::size_t FindNoCase(std::string_view text, std::string_view lowerText, std::size_t from = 0);
