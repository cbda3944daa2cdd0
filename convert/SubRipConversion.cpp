#include "convert/SubRipConversion.h"

#include "convert/TimingQuestions.h"
#include "document/MessageTable.h"
#include "document/NumText.h"
#include "document/TextFile.h"
#include "formats/OutputFormats.h"
#include "formats/SubRipWriter.h"

#include <optional>

namespace {

// Offers the correction of the list's timing faults, then reads the boxes;
// nothing to convert for an empty list.
std::optional<WriteOptions> TimingToConvert(TextList &frameLines, const SubRipRequest &request,
                                            Questions &questions) {
    if (frameLines.Empty())
        return std::nullopt;
    // Either answer goes on to convert whatever the list then holds.
    const TextList faults = TimingFaultsOf(frameLines);
    if (!faults.Empty())
        OfferTimingCorrection(frameLines, faults, questions, request.language, request.pointedAt);
    const Extended fps = StrToFloat(request.fpsText);
    const Extended delay = StrToFloat(request.delayText);
    return WriteOptions{fps, delay, request.language};
}

void AnnounceSuccess(const SubRipRequest &request, Questions &questions) {
    if (request.announceSuccess)
        questions.ShowMessage(MessageText(MessageRow::Success, request.language));
}

} // namespace

TextList ConvertListToSubRip(TextList &frameLines, const SubRipRequest &request, Questions &questions,
                             const std::function<void(int)> &progress) {
    return ConvertListTo(SubRipOutput(), frameLines, request, questions, progress);
}

TextList ConvertListTo(const OutputFormat &format, TextList &frameLines, const SubRipRequest &request,
                       Questions &questions, const std::function<void(int)> &progress) {
    TextList lines;
    if (const std::optional<WriteOptions> options = TimingToConvert(frameLines, request, questions)) {
        ListLineOut out(lines);
        WriteFormat(format, frameLines, *options, out, progress);
        AnnounceSuccess(request, questions);
    }
    return lines;
}

void SaveListAs(const OutputFormat &format, TextList &frameLines, const SubRipRequest &request,
                Questions &questions, const std::string &fileName, const TextEncoding &encoding) {
    const std::optional<WriteOptions> timing = TimingToConvert(frameLines, request, questions);
    try {
        WriteTextFile(fileName, encoding, [&](LineOut &out) {
            if (!timing)
                return;
            WriteFormat(format, frameLines, *timing, out);
            AnnounceSuccess(request, questions);
        });
    } catch (const EncodingError &error) {
        if (!timing)
            throw;
        throw UnencodableSubtitle(error, SubtitleOfOutputLine(format, frameLines, *timing, error.line));
    }
}
