#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reading the lines of a WebVTT file.

// The line is this word alone or the word, a blank or tab and more.
bool StartsWithWord(std::string_view line, std::string_view word);

// The first line of a WebVTT file: "WEBVTT", alone or followed by a blank
// or tab and any text, after an optional byte-order mark.
bool IsWebVttSignature(std::string_view line);

// A cue's start and end as "H:M:S.ttt" texts, hours filled in when the
// file leaves them out.
struct CueTiming {
    std::string start;
    std::string end;
};

// The times of a timing line "[hh:]mm:ss.ttt --> [hh:]mm:ss.ttt settings";
// none when either time is not a time. The settings are not read.
std::optional<CueTiming> ReadCueTiming(std::string_view line);

// The text of a cue's payload, line by line: tags are removed, the text of
// ruby annotations ("<rt>...</rt>") with them, and character references
// are decoded. An annotation may run over a line end, so one reader
// reads the lines of one cue.
class CueTextReader {
public:
    std::string Line(std::string_view line);

private:
    bool inRubyText_ = false;
};
