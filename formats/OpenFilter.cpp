#include "formats/OpenFilter.h"

#include "document/MessageTable.h"
#include "formats/InputFormats.h"

#include <string_view>

namespace {

// NOTE: the list names ViPlay's "*.vsf" as "*vsf", without its dot, as it
// always has; the filter only helps to pick a file and recognition never
// looks at it. A format whose patterns it lacks adds them at the end.
constexpr std::string_view kAllSubtitlesPatterns =
    "*.sub;*.srt;*.txt;*vsf;*.tts;*.zeg;*.aqt;*.stl;*.mpl;*.ssa;*.ass;*.smi;*.sami;*.son;*.psb;*.sbt";

// The pattern as it stands in the list, or "*.ext" as "*ext".
bool Names(std::string_view list, std::string_view pattern) {
    bool named = false;
    ForEachListed(list, [&](std::string_view listed) {
        named =
            named || listed == pattern ||
            (pattern.starts_with("*.") && listed.substr(1) == pattern.substr(2) && listed.starts_with('*'));
    });
    return named;
}

std::string AllSubtitlesPatterns() {
    std::string list(kAllSubtitlesPatterns);
    for (const InputFormat &format : kInputFormats)
        ForEachListed(format.patterns, [&](std::string_view pattern) {
            if (!Names(list, pattern))
                list.append(";").append(pattern);
        });
    return list;
}

void AppendEntry(std::string &filter, std::string_view description, std::string_view patterns) {
    if (!filter.empty())
        filter += '|';
    filter.append(description).append("|").append(patterns);
}

} // namespace

std::string OpenDialogFilter(std::uint8_t language) {
    std::string filter;
    AppendEntry(filter, MessageText(MessageRow::AllSubtitles, language), AllSubtitlesPatterns());
    for (const InputFormat &format : kInputFormats)
        AppendEntry(filter, format.name, format.patterns);
    AppendEntry(filter, MessageText(MessageRow::AllFiles, language), "*.*");
    return filter;
}
