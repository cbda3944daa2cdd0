#include "convert/LimitFitting.h"
#include "document/FrameLine.h"
#include "document/NumText.h"
#include "shell/Unit1.h"

namespace {

// Shown when a subtitle's split points leave the 32-bit range; never translated.
constexpr const char *kSplitFailed = "Erro na leg.";

TextList WithoutEmptyEntries(const TextList &entries) {
    TextList kept;
    kept.Reserve(entries.Count());
    for (const std::string_view entry : entries)
        if (!entry.empty())
            kept.Add(entry);
    return kept;
}

// Fits the SubtitleList to the player's limits, pass after pass while a pass
// leaves some subtitle a rest that did not fit in its groups.
void FitToLimits(TForm1 &form, int lines) {
    Platform &platform = form.platform;
    const FitNotices notices{
        [&](std::string_view startText, std::string_view endText) {
            platform.UI.ShowMessage(form.Message(MessageRow::StartNotBeforeEnd) +
                                    FrameLine(startText, endText, ""));
        },
        [&](std::size_t index, long long total) {
            platform.UI.ShowMessage(kSplitFailed + IntToStr(static_cast<long long>(index)));
            platform.UI.ShowMessage(IntToStr(total));
        },
    };
    do {
        form.MoveProgressBar(0);
        form.ImportBuffer().Assign(form.SubtitleList());
        // Nothing has been opened.
        if (form.KeptCopy().Empty())
            return;
        form.Memo1.Lines.Clear();
        form.SubtitleList().Assign(WithoutEmptyEntries(form.ImportBuffer()));
        form.ImportBuffer().Clear();
        form.CheckChangedFlag = false;
        // The limits are read at every run: the settings change them at any time.
        const FitLimits limits{form.MaxLineLength, form.MaxTotalLength, lines};
        form.CheckChangedFlag = FitPass(form.SubtitleList(), limits, form.ImportBuffer(), notices);
        form.SubtitleList().Assign(form.ImportBuffer());
    } while (form.CheckChangedFlag);

    // The entries have moved under the selection; the edit fields would
    // otherwise write the old subtitle's frames into another one.
    form.ListBox1.ItemIndex = -1;
    form.CheckTiming();
    if (!form.ErrorList().Empty())
        form.GoToFirstTimingError();
    form.ActiveControl = &form.btConvert;
    form.DefaultButton = &form.btConvert;
}

} // namespace

void TForm1::bt60Max() {
    if (ComboBox3.Text == "2")
        FitToLimits(*this, 2);
    else if (ComboBox3.Text == "3")
        FitToLimits(*this, 3);
}
