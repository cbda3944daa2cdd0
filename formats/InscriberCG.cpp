#include "document/Chars.h"
#include "formats/Importers.h"

#include <algorithm>
#include <optional>

// An Inscriber CG file has eight header lines, then text lines behind a
// 4-character prefix ("@@9 "). The last line of a subtitle ends with its
// two timecodes: own text, a separator, "hh:mm:ss:ff", two separators,
// "hh:mm:ss:ff" and one final character. A line without times before it is
// the subtitle's first line.

namespace {
constexpr std::size_t kHeaderLines = 8;
constexpr std::size_t kPrefixLength = 4;
constexpr long long kTimecodeLength = 11;

// Positions counted back from the end of the line may fall before its
// start; a position below 1 holds no character.
std::string_view CharsSigned(std::string_view line, long long from, long long to) {
    if (to < 1)
        return {};
    return Chars(line, static_cast<std::size_t>(std::max(from, 1LL)), static_cast<std::size_t>(to));
}

bool ColonAt(std::string_view line, long long position) {
    return CharsSigned(line, position, position) == ":";
}

struct TimedLine {
    std::string_view ownText;
    std::string_view startTime;
    std::string_view endTime;
};

// The parts of a line (prefix removed) that ends with two timecodes; none
// for any other line.
std::optional<TimedLine> ReadTimedLine(std::string_view line) {
    const auto n = static_cast<long long>(line.size());
    for (const long long back : {22, 19, 16, 9, 6, 3})
        if (!ColonAt(line, n - back))
            return std::nullopt;
    return TimedLine{CharsSigned(line, 1, n - 26), CharsSigned(line, n - 24, n - 24 + kTimecodeLength - 1),
                     CharsSigned(line, n - 11, n - 11 + kTimecodeLength - 1)};
}
} // namespace

void ImportInscriberCG(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                       std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    // No FpsHeaderLine: the opener keeps the rate the frame-rate box shows.
    ctx.ImportBuffer.Clear();
    ctx.ShowAlert(Alert::SameFps);
    // CHOICE: a file of no more than its header lines gives an empty list.
    work.DeleteTop(kHeaderLines);
    std::string pending;
    while (!work.Empty()) {
        const std::string line = work.TakeTop();
        if (line.empty())
            continue;
        const std::string_view withoutPrefix = CharsFrom(line, kPrefixLength + 1);
        const std::optional<TimedLine> timed = ReadTimedLine(withoutPrefix);
        if (!timed) {
            // NOTE: a subtitle has at most two lines: of the lines before a
            // time line only the last one is kept.
            pending = withoutPrefix;
            continue;
        }
        std::string text = pending;
        if (!text.empty())
            text += '|';
        text += timed->ownText;
        ctx.AddTimedSubtitle(timed->startTime, timed->endTime, ctx.CurrentFps, text);
        pending.clear();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Inscriber CG");
}
