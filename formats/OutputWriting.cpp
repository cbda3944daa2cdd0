#include "formats/OutputWriting.h"

#include "document/ByteSet.h"
#include "document/FrameLine.h"
#include "document/Legendas.h"

TimedEntry TimeEntry(std::string_view frameLine, const WriteOptions &options) {
    const FrameLineViews source = CutFrameLine(frameLine);
    const long long start = FramesToMilliseconds(source.startText, options.delaySeconds, options.fps);
    const long long end = FramesToMilliseconds(source.endText, options.delaySeconds, options.fps);
    return {start, end, source.text};
}

void AppendMarkupEscaped(std::string_view line, std::string &out) {
    static constexpr ByteSet kSpecial("&<>");
    for (std::size_t at = kSpecial.FindIn(line); at != std::string_view::npos; at = kSpecial.FindIn(line)) {
        out += line.substr(0, at);
        out += line[at] == '&' ? "&amp;" : line[at] == '<' ? "&lt;" : "&gt;";
        line.remove_prefix(at + 1);
    }
    out += line;
}

void AppendUnescaped(std::string_view line, std::string &out) {
    out += line;
}

const WrittenLanguage &WrittenLanguageOf(std::uint8_t language) {
    static constexpr WrittenLanguage kLanguages[] = {
        {"pt-PT", "Portuguese", "PTPTCC"},
        {"en-US", "English", "ENUSCC"},
        {"da-DK", "Danish", "DADKCC"},
        {"es-ES", "Spanish", "ESESCC"},
    };
    return language >= 1 && language <= 4 ? kLanguages[language - 1] : kLanguages[1];
}
