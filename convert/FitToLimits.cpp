#include "convert/FitToLimits.h"

#include "convert/TimingQuestions.h"
#include "document/FrameLine.h"
#include "document/MessageTable.h"
#include "document/NumText.h"

#include <algorithm>

namespace {

// Shown when a subtitle's split points leave the 32-bit range; never translated.
constexpr const char *kSplitFailed = "Erro na leg.";

TextList WithoutEmptyEntries(const TextList &entries) {
    // A list without empty entries is shared as it is, rather than copied.
    if (std::none_of(entries.begin(), entries.end(), [](std::string_view entry) { return entry.empty(); }))
        return entries;
    TextList kept;
    kept.Reserve(entries.Count());
    for (const std::string_view entry : entries)
        if (!entry.empty())
            kept.Add(entry);
    return kept;
}

} // namespace

TextList FittedToLimits(const TextList &frameLines, const FitLimits &limits, Questions &questions,
                        std::uint8_t language, const std::function<void(int)> &progress) {
    const FitNotices notices{
        [&](std::string_view startText, std::string_view endText) {
            questions.ShowMessage(MessageText(MessageRow::StartNotBeforeEnd, language) +
                                  FrameLine(startText, endText, ""));
        },
        [&](std::size_t index, long long total) {
            questions.ShowMessage(kSplitFailed + IntToStr(static_cast<long long>(index)));
            questions.ShowMessage(IntToStr(total));
        },
        progress,
    };
    TextList fitted = frameLines;
    bool restLeft = false;
    do {
        const TextList entries = WithoutEmptyEntries(fitted);
        fitted.Clear();
        restLeft = FitPass(entries, limits, fitted, notices);
    } while (restLeft);
    return fitted;
}

void FitListToLimits(TextList &frameLines, const FitLimits &limits, Questions &questions,
                     std::uint8_t language, const EntryPointedAt &pointedAt) {
    frameLines.Assign(FittedToLimits(frameLines, limits, questions, language));
    TellFirstTimingFault(frameLines, TimingFaultsOf(frameLines), questions, language, pointedAt);
}

std::optional<int> FitLineCount(const std::string &boxText) {
    if (boxText == "2")
        return 2;
    if (boxText == "3")
        return 3;
    return std::nullopt;
}
