#pragma once

#include <cstddef>
#include <cstdint>
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
// When `onlyClass` (lower case, without the dot) is given, the text of a "<P"
// naming another class goes, and a cue that had only such text is left out;
// a "<P" without a class is always read.
std::vector<SamiCue> ReadSamiCues(std::string_view body, std::string_view onlyClass = {});

// A class of the STYLE block: its selector without the dot, and the value
// of its "Name:" property, empty when it has none.
struct SamiClass {
    std::string selector;
    std::string name;
};

// The classes the STYLE block of `head` defines (".ENCC {Name: English; ...}"),
// in their order.
std::vector<SamiClass> ReadSamiClasses(std::string_view head);

// The classes the "<P" tags of `body` name, in lower case, each once.
std::vector<std::string> UsedSamiClasses(std::string_view body);

// `text` with its ASCII letters in lower case.
std::string AsciiLower(std::string_view text);

// Whether `text` is `lowerText` ignoring the case of ASCII letters.
bool EqualsNoCase(std::string_view text, std::string_view lowerText);

// Finds `lowerText` in `text` ignoring the case of ASCII letters; npos when absent.
std::size_t FindNoCase(std::string_view text, std::string_view lowerText, std::size_t from = 0);

// The classes of a SAMI file whose body uses several (one per language),
// and the one read.
struct SamiClassesRead {
    std::vector<SamiClass> classes;
    std::size_t read = 0;
    // The class asked for is not among them; the first one was read.
    bool unknownAsked = false;
};

// The status bar's "; Language read: English" after a SAMI file with a class
// per language; empty for every other file.
std::string SamiClassStatusText(const SamiClassesRead &found, std::uint8_t language);
