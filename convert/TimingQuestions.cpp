#include "convert/TimingQuestions.h"

#include "convert/TimingRules.h"
#include "document/MessageTable.h"
#include "document/NumText.h"

#include <optional>

TextList TimingFaultsOf(const TextList &frameLines) {
    return frameLines.Empty() ? TextList() : FindTimingFaults(frameLines);
}

std::string TimingFaultText(std::string_view entry, std::uint8_t language) {
    return MessageText(MessageRow::StartBeforePreviousEnd, language) + "\n\r" + std::string(entry);
}

void TellFirstTimingFault(const TextList &frameLines, const TextList &faults, Questions &questions,
                          std::uint8_t language, const EntryPointedAt &pointedAt) {
    if (faults.Empty())
        return;
    const std::optional<int> first = TryStrToInt(faults[0]);
    if (!first || *first < 1 || static_cast<std::size_t>(*first) >= frameLines.Count())
        return;
    const auto entry = static_cast<std::size_t>(*first);
    questions.ShowMessage(TimingFaultText(frameLines[entry], language));
    if (pointedAt)
        pointedAt(entry);
}

bool OfferTimingCorrection(TextList &frameLines, const TextList &faults, Questions &questions,
                           std::uint8_t language, const EntryPointedAt &pointedAt) {
    if (questions.AskYesNo(MessageText(MessageRow::AutoCorrection, language), QuestionKind::Confirmation)) {
        frameLines.Assign(CorrectedTiming(frameLines));
        return true;
    }
    TellFirstTimingFault(frameLines, faults, questions, language, pointedAt);
    return false;
}
