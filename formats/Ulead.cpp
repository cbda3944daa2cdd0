#include "formats/Importers.h"

#include "document/Chars.h"
#include "document/NumText.h"
#include "formats/ImportSteps.h"

#include <algorithm>
#include <string>
#include <string_view>

// A Ulead subtitle file: header lines up to "#Subtitle text begin", among
// them "#FR:" and the file's frame rate; then per subtitle a time line
// "#number start end" with times like 00;00;01;15 and the text lines; the
// list ends at "#Subtitle text end".

namespace {
constexpr std::string_view kTextBegin = "#Subtitle text begin";
constexpr std::string_view kTextEnd = "#Subtitle text end";
constexpr std::string_view kRateMark = "#FR:";

bool IsTimeLine(std::string_view line) {
    return CharAt(line, 1) == '#';
}

// A Ulead time with ";" between its fields, as a clock time: the fourth
// field becomes the decimals of the seconds (00;00;01;15 is 1.15 seconds).
std::string ClockTime(std::string_view uleadTime) {
    std::string time(uleadTime);
    std::replace(time.begin(), time.end(), ';', ':');
    return time;
}

std::string RateBoxText(Extended rate) {
    // The box shows two decimals of at most five significant digits: a rate
    // of four or five whole digits is rounded to fewer decimals, written as
    // zeros; one of more than five whole digits takes the exponent form.
    constexpr int kPrecision = 5;
    constexpr int kDecimals = 2;
    int wholeDigits = 0;
    for (Extended whole = Trunc(rate < 0 ? -rate : rate); whole >= 1; whole = Trunc(whole / 10))
        ++wholeDigits;
    if (wholeDigits > kPrecision)
        return FloatToStrGeneral(rate, kPrecision, 0);
    const int decimals = std::min(kDecimals, kPrecision - wholeDigits);
    std::string text = FloatToStrFixed(rate, decimals);
    if (decimals == 0)
        text += ',';
    return text.append(static_cast<std::size_t>(kDecimals - decimals), '0');
}
} // namespace

void ImportUlead(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                 std::string &formatName) {
    WorkLines &work = ctx.WorkList;
    ctx.ImportBuffer.Clear();

    // The file's own rate converts this file's times; its header line keeps the file's text.
    while (!work.Empty() && work.Top() != kTextBegin) {
        if (CharsAre(work.Top(), 1, kRateMark)) {
            const std::string_view rateText = std::string_view(work.Top()).substr(kRateMark.size());
            // The format's own writers put a dot in the rate ("#FR:25.00").
            std::string commaRate(rateText);
            if (const auto dot = commaRate.find('.'); dot != std::string::npos)
                commaRate[dot] = ',';
            ctx.FpsBoxText = RateBoxText(StrToFloat(commaRate));
            ctx.ImportBuffer.Add(FileHeader(rateText));
        }
        work.DeleteTop();
    }
    if (!work.Empty())
        work.DeleteTop();

    std::string startTime;
    std::string endTime;
    std::string text;
    while (!work.Empty() && work.Top() != kTextEnd) {
        const std::string line = work.TakeTop();
        if (IsTimeLine(line)) {
            // "#number start end": the start keeps the blank after it.
            const std::string_view times = AfterFirst(line, ' ');
            const auto blank = times.find(' ');
            const auto startLength = blank == std::string_view::npos ? 0 : blank + 1;
            startTime = ClockTime(times.substr(0, startLength));
            endTime = ClockTime(times.substr(startLength));
            text.clear();
            continue;
        }
        if (!line.empty())
            AppendTextLine(text, line);
        // A subtitle ends before the next "#" line; the last one also at the
        // end of the file, when "#Subtitle text end" is missing.
        if (work.Empty() || IsTimeLine(work.Top()))
            ctx.AddAtBoxRate(startTime, endTime, text);
    }
    ctx.HandOver(firstLine, secondLine, formatName, "Ulead subtitle format");
}
