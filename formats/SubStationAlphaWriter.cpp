#include "formats/Writers.h"

#include "document/ByteSet.h"
#include "document/Legendas.h"

// SubStation Alpha scripts, v4.00 and Advanced (v4.00+): a script header,
// one "Default" style and one Dialogue line per subtitle, lines joined with
// "\N".

namespace {

// The two versions differ in their header lines and the first field of a
// Dialogue line.
struct ScriptKind {
    std::string_view scriptType;
    std::string_view stylesSection;
    std::string_view styleFormat;
    std::string_view defaultStyle;
    std::string_view eventFormat;
    std::string_view dialogueStart;
};

constexpr ScriptKind kAdvanced{
    "ScriptType: v4.00+",
    "[V4+ Styles]",
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
    "Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, "
    "MarginL, MarginR, MarginV, Encoding",
    "Style: Default,Arial,16,&H00FFFFFF,&H000000FF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,2,0,2,10,10,"
    "10,1",
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
    "Dialogue: 0,",
};

constexpr ScriptKind kVersion4{
    "ScriptType: v4.00",
    "[V4 Styles]",
    "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, TertiaryColour, BackColour, Bold, "
    "Italic, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, AlphaLevel, Encoding",
    "Style: Default,Arial,16,16777215,255,0,0,0,0,1,2,0,2,10,10,10,0,1",
    "Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
    "Dialogue: Marked=0,",
};

// U+2060 WORD JOINER: invisible, and it parts a backslash from its letter.
constexpr std::string_view kWordJoiner = "\xE2\x81\xA0";

// Text that a renderer would take for markup is written so that it shows
// as typed: "{" and "}" as "\{" and "\}", the escapes renderers of these
// scripts read as the braces themselves, so that no override block starts;
// a backslash before "N", "n" or "h" gets an invisible word joiner before
// the letter, so that no line break or hard space is read. Nothing else is
// special in a Dialogue's text, commas included: it is its last field.
void AppendScriptEscaped(std::string_view line, std::string &out) {
    static constexpr ByteSet kSpecial("{}\\");
    for (std::size_t at = kSpecial.FindIn(line); at != std::string_view::npos; at = kSpecial.FindIn(line)) {
        out += line.substr(0, at);
        const char c = line[at];
        line.remove_prefix(at + 1);
        if (c != '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
            if (!line.empty() && (line[0] == 'N' || line[0] == 'n' || line[0] == 'h'))
                out += kWordJoiner;
        }
    }
    out += line;
}

void WriteScript(const ScriptKind &kind, const TextList &entries, EntryRange range,
                 const WriteOptions &options, EntryLineOut &out) {
    if (range.WritesHead())
        for (const std::string_view line :
             {std::string_view("[Script Info]"), kind.scriptType, std::string_view("PlayResX: 384"),
              std::string_view("PlayResY: 288"), std::string_view("WrapStyle: 0"),
              std::string_view("ScaledBorderAndShadow: yes"), std::string_view(), kind.stylesSection,
              kind.styleFormat, kind.defaultStyle, std::string_view(), std::string_view("[Events]"),
              kind.eventFormat})
            out.Add(line);
    std::string dialogue;
    for (std::size_t i = range.from; i < range.to; ++i) {
        const TimedEntry entry = TimeEntry(entries[i], options);
        out.Entry(i);
        dialogue = kind.dialogueStart;
        dialogue += ClockText(entry.start, kAssClock);
        dialogue += ',';
        dialogue += ClockText(entry.end, kAssClock);
        dialogue += ",Default,,0,0,0,,";
        AppendJoinedLines(dialogue, entry.text, "\\N", AppendScriptEscaped);
        out.Add(dialogue);
    }
}

} // namespace

void WriteAdvancedSubStationAlpha(const TextList &entries, EntryRange range, const WriteOptions &options,
                                  EntryLineOut &out) {
    WriteScript(kAdvanced, entries, range, options, out);
}

void WriteSubStationAlpha(const TextList &entries, EntryRange range, const WriteOptions &options,
                          EntryLineOut &out) {
    WriteScript(kVersion4, entries, range, options, out);
}
