#include "formats/OpenFilter.h"

namespace {
constexpr std::optional<MessageRow> kFixed;
}

// NOTE: the pattern of "All Subtitles" holds "*vsf" without its dot, as it
// always has; the filter only helps to pick a file and recognition never
// looks at it.
const std::array<OpenFilterEntry, 34> kOpenFilterEntries{{
    {MessageRow::AllSubtitles, "", "*.sub;*.srt;*.txt;*vsf;*.tts;*.zeg;*.aqt;*.stl;*.mpl;*.ssa;*.ass;*.smi;*.sami;*.son;*.psb;*.sbt"},
    {kFixed, "Adobe Encore DVD", "*.txt"},
    {kFixed, "Advanced SubStation Alpha", "*.ass"},
    {kFixed, "AQTitle", "*.aqt"},
    {kFixed, "Captions 32", "*.txt"},
    {kFixed, "DVD Junior", "*.txt"},
    {kFixed, "DVD Subtitle System", "*.txt"},
    {kFixed, "DVD Subtitle", "*.sub"},
    {kFixed, "FAB Subtitler", "*.txt"},
    {kFixed, "I-Author Script", "*.txt"},
    {kFixed, "Inscriber CG", "*.txt"},
    {kFixed, "Mac DVD Studio Pro", "*.txt"},
    {kFixed, "MicroDVD", "*.sub"},
    {kFixed, "MPlayer1", "*.mpl"},
    {kFixed, "MPlayer2", "*.mpl"},
    {kFixed, "Pinnacle Impression", "*.txt"},
    {kFixed, "PowerDivX", "*.psb"},
    {kFixed, "SAMI Captioning", "*.smi;*.sami"},
    {kFixed, "SBT", "*.sbt"},
    {kFixed, "Sonic DVD Creator", "*.sub"},
    {kFixed, "Spruce DVDMaestro", "*.son"},
    {kFixed, "Spruce Subtitle File", "*.stl"},
    {kFixed, "SubCreator 1.x", "*.txt"},
    {kFixed, "SubRip", "*.srt"},
    {kFixed, "SubStation Alpha", "*.ssa"},
    {kFixed, "SubViewer 1.0", "*.sub"},
    {kFixed, "SubViewer 2.0", "*.sub"},
    {kFixed, "TMPlayer", "*.txt"},
    {kFixed, "TMPlayer (one line)", "*.txt"},
    {kFixed, "Turbo Titler", "*.tts"},
    {kFixed, "Ulead DVD Workshop2", "*.txt"},
    {kFixed, "ViPlay", "*.vsf"},
    {kFixed, "Zero G", "*.zeg"},
    {MessageRow::AllFiles, "", "*.*"},
}};

std::string OpenDialogFilter(std::uint8_t language) {
    std::string filter;
    for (const OpenFilterEntry &entry : kOpenFilterEntries) {
        if (!filter.empty())
            filter += '|';
        filter += entry.messageRow == kFixed ? std::string(entry.description)
                                             : MessageText(*entry.messageRow, language);
        filter += '|';
        filter += entry.pattern;
    }
    return filter;
}
