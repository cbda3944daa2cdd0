#include "convert/RateBatch.h"

#include "convert/FitToLimits.h"
#include "convert/SubRipConversion.h"

#include <array>

namespace {

struct BatchPass {
    const char *rateText;
    double fps;
    const char *fileName;
};

// Rates 6 and 7 are the two-rate entries of the frame-rate list worked out:
// 23,976 x 23,976 / 25 and 25 x 25 / 23,976.
constexpr std::array<BatchPass, 7> kPasses{{
    {"23,976", 23.976, "Test1.srt"},
    {"23,978", 23.978, "Test2.srt"},
    {"24,000", 24.0, "Test3.srt"},
    {"25,000", 25.0, "Test4.srt"},
    {"30,000", 30.0, "Test5.srt"},
    {"22,99394304", 22.99394304, "Test6.srt"},
    {"26,0677344010677", 26.0677344010677, "Test7.srt"},
}};

} // namespace

void RunRateBatch(TextList &frameLines, const RateBatchRequest &request, Questions &questions,
                  const SaveSubRip &save, const std::function<void(double fps)> &passBegins,
                  const std::function<void(int)> &progress) {
    for (const BatchPass &pass : kPasses) {
        // Each pass is a seventh of the batch.
        const int passesDone = static_cast<int>(&pass - kPasses.data());
        const auto passProgress = [&](int percent) {
            if (progress)
                progress((passesDone * 100 + percent) / static_cast<int>(kPasses.size()));
        };
        passProgress(0);
        if (passBegins)
            passBegins(pass.fps);
        if (request.fitLines && !frameLines.Empty())
            FitListToLimits(frameLines, FitLimits{request.maxLine, request.maxTotal, *request.fitLines},
                            questions, request.language, request.pointedAt);
        const bool last = &pass == &kPasses.back();
        const SubRipRequest conversion{pass.rateText, request.delayText, last, request.language,
                                       request.pointedAt};
        const TextList subRip = ConvertListToSubRip(frameLines, conversion, questions, passProgress);
        if (!save(pass.fileName, subRip))
            return;
    }
}
