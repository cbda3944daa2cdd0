#pragma once

#include <string_view>

// Where the times and the text stand among the comma-separated fields of a
// SubStation script's event lines. The "Format:" line of the "[Events]"
// section names the fields in their order; scripts without one use the
// usual "Marked/Layer, Start, End, Style, Name, MarginL, MarginR, MarginV,
// Effect, Text".
struct EventFormat {
    int start = 1;
    int end = 2;
    // The text is the last field: everything after this many commas.
    int textCommas = 9;
};

// Follows a script line by line and keeps the format its "[Events]" section names.
class EventFormatReader {
public:
    // Takes one line of the script; returns true when it was the events' "Format:" line.
    bool See(std::string_view line);
    const EventFormat &Format() const { return format_; }

private:
    bool inEvents_ = false;
    EventFormat format_;
};

// Field `index` of an event line: the text between comma `index` and the
// next one (the first field starts after the line's ":"), without blanks around it.
std::string_view EventField(std::string_view line, int index);
