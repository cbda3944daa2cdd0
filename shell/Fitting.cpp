#include "convert/FitToLimits.h"
#include "shell/Unit1.h"

#include <exception>

namespace {

// Fits the SubtitleList to the player's limits.
void FitToLimits(TForm1 &form, int lines) {
    form.MoveProgressBar(0);
    form.ImportBuffer().Assign(form.SubtitleList());
    // Nothing has been opened.
    if (form.KeptCopy().Empty())
        return;
    // The passes, and the timing check of what they leave, run away from the
    // window's thread on the list's own share; Cancel leaves the window as it was.
    const FitLimits limits{form.MaxLineLength, form.MaxTotalLength, lines};
    const TextList entries = form.SubtitleList();
    TextList fitted;
    TextList faults;
    std::exception_ptr checkFailure;
    form.platform.UI.RunLongWork(form.btMax.Caption, [&](const WorkProgress &progress, Questions &questions) {
        fitted =
            FittedToLimits(entries, limits, questions, form.CurrentLanguage, CancellingProgress(progress));
        try {
            faults = TimingFaultsOf(fitted);
        } catch (...) {
            checkFailure = std::current_exception();
        }
    });
    form.Memo1.Lines.Clear();
    form.CheckChangedFlag = false;
    form.SubtitleList().Assign(fitted);
    form.ImportBuffer().Assign(fitted);

    // The entries have moved under the selection; the edit fields would
    // otherwise write the old subtitle's frames into another one.
    form.ListBox1.ItemIndex = -1;
    // The faults take the list box's place as the check on this thread would
    // leave them; an entry whose frames do not convert ends the command with
    // the list fitted and the correction button off.
    if (!fitted.Empty()) {
        form.btAuto.Enabled = false;
        if (checkFailure)
            std::rethrow_exception(checkFailure);
        form.ShowTimingFaults(faults);
    }
    form.PointAtFirstTimingError();
    form.ActiveControl = &form.btConvert;
    form.DefaultButton = &form.btConvert;
}

} // namespace

void TForm1::bt60Max() {
    if (const std::optional<int> lines = FitLineCount(ComboBox3.Text))
        FitToLimits(*this, *lines);
}
