#pragma once

#include "document/LineOut.h"
#include "document/Numbers.h"
#include "document/TextList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What every writer takes besides the list of FrameLines: the rate its
// frames count in, the delay in seconds taken off every time, and the
// interface language (1 to 4), which names the language of the formats that
// declare one.
struct WriteOptions {
    Extended fps;
    Extended delaySeconds;
    std::uint8_t language = 2;
};

// The entries a writer writes in one call, from `from` up to `to`: the
// whole list, or one piece of it when pieces are written on two threads.
// The call with the list's first entry writes the file's head, the one with
// its last the file's tail; an empty list is one call that writes both.
struct EntryRange {
    std::size_t from;
    std::size_t to;
    bool WritesHead() const { return from == 0; }
    bool WritesTail(const TextList &entries) const { return to == entries.Count(); }
};

// Where a writer's lines go. Entry(i) is called before the lines of entry i
// (from 0), so that whoever takes the lines knows which subtitle each shows.
class EntryLineOut : public LineOut {
public:
    virtual void Entry(std::size_t index) = 0;
};

// Passes the lines on to another LineOut, keeping the entry they belong to;
// `entered`, when given, hears each entry as it starts.
class EntryTracking final : public EntryLineOut {
public:
    explicit EntryTracking(LineOut &lines, std::function<void(std::size_t)> entered = {})
        : lines_(lines), entered_(std::move(entered)) {}
    void Entry(std::size_t index) override {
        entry_ = index;
        started_ = true;
        if (entered_)
            entered_(index);
    }
    void Add(std::string_view line) override { lines_.Add(line); }
    // The subtitle (from 1) whose lines are being written; 0 in a header.
    std::size_t Subtitle() const { return started_ ? entry_ + 1 : 0; }

private:
    LineOut &lines_;
    std::function<void(std::size_t)> entered_;
    std::size_t entry_ = 0;
    bool started_ = false;
};

// One subtitle as a writer takes it: its times in milliseconds, worked out
// as the SubRip conversion works out its clock times, and its text with "|"
// between lines.
struct TimedEntry {
    long long start;
    long long end;
    std::string_view text;
};

// Both times first: ConvertError when a bound is not a whole number, and
// the entry's lines are then not begun.
TimedEntry TimeEntry(std::string_view frameLine, const WriteOptions &options);

// Each line of a subtitle's text, in order; an empty text is one empty line.
template <class Each> void ForEachTextLine(std::string_view text, Each each) {
    for (std::size_t bar = text.find('|'); bar != std::string_view::npos; bar = text.find('|')) {
        each(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
    each(text);
}

// Appends the lines of a text joined with `lineBreak`, each escaped by
// `escape`, which appends a line's escaped form to the text.
template <class Escape>
void AppendJoinedLines(std::string &out, std::string_view text, std::string_view lineBreak, Escape escape) {
    bool first = true;
    ForEachTextLine(text, [&](std::string_view line) {
        if (!first)
            out += lineBreak;
        first = false;
        escape(line, out);
    });
}

// The text as HTML and XML need it: "&", "<" and ">" written as references.
void AppendMarkupEscaped(std::string_view line, std::string &out);

// The lines of the text as they are, for formats that have no escape.
void AppendUnescaped(std::string_view line, std::string &out);

// The language a file declares, from the interface language (1 Portuguese,
// 2 English, 3 Danish, 4 Spanish; any other is English).
struct WrittenLanguage {
    std::string_view tag;       // "en-US"
    std::string_view name;      // "English"
    std::string_view samiClass; // "ENUSCC"
};
const WrittenLanguage &WrittenLanguageOf(std::uint8_t language);
