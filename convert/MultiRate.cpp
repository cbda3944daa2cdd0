#include "convert/FitToLimits.h"
#include "convert/RateBatch.h"
#include "shell/Unit1.h"

// CHOICE: a pass that fails (a list that does not fit or convert, a file
// that cannot be written) ends the batch without writing its file; the
// frame-rate box and the success switch are never changed by the batch, so
// no later conversion stays silent or runs at a batch rate.
void TForm1::btMultiClick() {
    const RateBatchRequest request{FitLineCount(ComboBox3.Text),
                                   MaxLineLength,
                                   MaxTotalLength,
                                   AtrasoEdit.Text,
                                   CurrentLanguage,
                                   [this](std::size_t entry) { PointAtEntry(entry); }};
    if (request.fitLines && !SubtitleList().Empty()) {
        Memo1.Lines.Clear();
        // The entries move under the selection.
        ListBox1.ItemIndex = -1;
    }
    const auto save = [this](const std::string &fileName, const TextList &subRip) {
        // Declining UTF-8 for a character the output encoding lacks ends the batch.
        if (!SaveLines(fileName, subRip, true))
            return false;
        Memo1.Lines.Assign(subRip);
        return true;
    };
    // NOTE: the rate in use stays the last pass's, while the box keeps the user's text.
    RunRateBatch(SubtitleList(), request, platform.UI, save, [this](double fps) { CurrentFps = fps; });
    WorkList().Assign(SubtitleList());
    ImportBuffer().Assign(SubtitleList());
    CheckTiming();
    btGravar.Enabled = true;
    Gravar1.Enabled = true;
    Guardar1.Enabled = true;
    bt_ID.Enabled = false;
    DefaultButton = &btGravar;
    ActiveControl = &btGravar;
}
