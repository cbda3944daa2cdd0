#include "convert/SubRipConversion.h"

#include "convert/OutputFormats.h"
#include "convert/TimingQuestions.h"
#include "document/NumText.h"
#include "shell/MessageTable.h"

TextList ConvertListToSubRip(TextList &frameLines, const SubRipRequest &request, Questions &questions,
                             const std::function<void(int)> &progress) {
    TextList subRip;
    if (frameLines.Empty())
        return subRip;
    // Either answer goes on to convert whatever the list then holds.
    const TextList faults = TimingFaultsOf(frameLines);
    if (!faults.Empty())
        OfferTimingCorrection(frameLines, faults, questions, request.language, request.pointedAt);
    const Extended fps = StrToFloat(request.fpsText);
    const Extended delay = StrToFloat(request.delayText);
    ConvertToSubRip(frameLines, SubRipTiming{fps, delay}, subRip, progress);
    if (request.announceSuccess)
        questions.ShowMessage(MessageText(MessageRow::Success, request.language));
    return subRip;
}
