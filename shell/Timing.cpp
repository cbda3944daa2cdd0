#include "convert/TimingQuestions.h"
#include "convert/TimingRules.h"
#include "document/NumText.h"
#include "shell/Unit1.h"

void TForm1::CheckTiming() {
    if (SubtitleList().Empty())
        return;
    btAuto.Enabled = false;
    ShowTimingFaults(FindTimingFaults(SubtitleList()));
}

void TForm1::ShowTimingFaults(const TextList &faults) {
    ErrorList().Assign(faults);
    btAuto.Enabled = !faults.Empty();
}

void TForm1::CorrectTiming() {
    // An empty list has nothing to correct (the window may still hold the
    // faults of a list that New has since emptied).
    if (SubtitleList().Empty())
        return;
    ImportBuffer().Assign(CorrectedTiming(SubtitleList()));
    SubtitleList().Assign(ImportBuffer());
    WorkList().Assign(ImportBuffer());
    btAuto.Enabled = false;
}

void TForm1::GoToFirstTimingError() {
    CheckTiming();
    PointAtFirstTimingError();
}

void TForm1::PointAtFirstTimingError() {
    if (ErrorList().Empty())
        return;
    // The faults may belong to a list that has been emptied since they were
    // found; an entry that does not exist cannot take the focus, and the user
    // is offered the correction instead.
    const std::optional<int> first = TryStrToInt(ErrorList()[0]);
    if (first && *first >= 1 && static_cast<std::size_t>(*first) < SubtitleList().Count()) {
        const int n = *first;
        ActiveControl = &ListBox1;
        ListBox1.TopIndex = n - 1;
        ListBox1.ItemIndex = n;
        platform.UI.ShowMessage(
            TimingFaultText(SubtitleList()[static_cast<std::size_t>(n)], CurrentLanguage));
    } else if (platform.UI.AskYesNo(Message(MessageRow::AutoCorrection), QuestionKind::Confirmation)) {
        CorrectTiming();
    } else {
        platform.UI.ShowMessage("Existe ainda erros");
    }
    ListBox1Click();
}

// NOTE: Auto offers the correction even when the check found no fault.
void TForm1::btAutoClick() {
    CheckTiming();
    if (platform.UI.AskYesNo(Message(MessageRow::AutoCorrection), QuestionKind::Confirmation))
        CorrectTiming();
    else
        GoToFirstTimingError();
}
