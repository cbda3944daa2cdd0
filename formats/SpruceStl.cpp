#include "formats/Importers.h"

#include "document/Legendas.h"

#include <optional>

// A Spruce subtitle file has settings and comments up to a line
// "//Subtitles", then one subtitle a line: start time, comma, end time,
// comma, text. Its times have a fourth field after a third ":".

namespace {
constexpr std::string_view kSubtitlesLine = "//Subtitles";

struct SubtitleFields {
    std::string_view start, end, text;
};

// The three fields of a line with two commas; the text keeps its leading blanks.
std::optional<SubtitleFields> Fields(std::string_view line) {
    const auto first = line.find(',');
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto second = line.find(',', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    return SubtitleFields{line.substr(0, first), line.substr(first + 1, second - first - 1),
                          line.substr(second + 1)};
}

bool IsSubtitleLine(std::string_view line) {
    const auto fields = Fields(line);
    return fields && IsValidTime(fields->start);
}

// The lines before the first subtitle: up to and including "//Subtitles".
// Many files have no such line; their subtitles start at the first line
// that reads as one, rather than the whole file being taken for a header.
std::size_t HeaderLines(const WorkLines &work) {
    for (std::size_t index = 0; index < work.Count(); ++index)
        if (work.Item(index) == kSubtitlesLine)
            return index + 1;
    for (std::size_t index = 0; index < work.Count(); ++index)
        if (IsSubtitleLine(work.Item(index)))
            return index;
    return work.Count();
}
} // namespace

void ImportSpruceStl(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                     std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    for (std::size_t header = HeaderLines(work); header > 0; --header)
        work.DeleteTop();

    // Empty lines do not end the list.
    // CHOICE: a line with fewer than two commas, an empty one among them, is skipped.
    while (!work.Empty()) {
        // Blanks around the times are allowed; those of the text are kept.
        if (const auto fields = Fields(work.Top()))
            ctx.AddAtBoxRate(fields->start, fields->end, fields->text);
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Spruce Subtitle File");
}
