#include "formats/Importers.h"

#include "document/Chars.h"

// A ZeroG file starts with "% Zero G 1.0" and maybe an empty line; then one
// subtitle a line: "E 1 ", the start time at characters 5 to 14, the end
// time at 16 to 25, a style name, "NTP", a blank and the text.

namespace {
// The text starts four characters after the first "NTP".
// NOTE: a line without "NTP" has its text from character 4.
std::size_t TextStart(std::string_view line) {
    const auto ntp = line.find("NTP");
    return (ntp == std::string_view::npos ? 0 : ntp + 1) + 4;
}
} // namespace

void ImportZeroG(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                 std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.Begin(Alert::SameFps, ctx.BoxHeader());
    work.DeleteTopIf("% Zero G 1.0");
    work.DeleteTopIf("");

    while (!work.Empty() && !work.Top().empty()) {
        const std::string_view line = work.Top();
        ctx.AddAtBoxRate(Chars(line, 5, 14), Chars(line, 16, 25), CharsFrom(line, TextStart(line)));
        work.DeleteTop();
    }
    ctx.HandOver(firstLine, secondLine, formatName, "ZeroG 1.0");
}
