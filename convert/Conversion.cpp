#include "convert/OutputFormats.h"
#include "document/NumText.h"
#include "shell/Unit1.h"

#include <exception>

namespace {

// Convert empties the memo whatever happens next, and keeps the list it
// converts in the WorkList.
void StartConversion(TForm1 &form) {
    form.WorkList().Assign(form.SubtitleList());
    form.Memo1.Lines.Clear();
    form.ImportBuffer().Clear();
}

} // namespace

void TForm1::btConvertClick() {
    if (SubtitleList().Empty())
        return;

    CheckTiming();
    // Either answer goes on to convert whatever the list then holds.
    if (!ErrorList().Empty())
        OfferTimingCorrection();

    Extended fps = 0;
    Extended delay = 0;
    try {
        fps = StrToFloat(Combobox2.Text);
        delay = StrToFloat(AtrasoEdit.Text);
    } catch (...) {
        StartConversion(*this);
        throw;
    }

    // The blocks are built away from the window's thread, from the list's own
    // share. An entry which does not convert leaves the lines made so far in
    // the ImportBuffer and the memo empty; Cancel leaves the window as it was.
    const TextList entries = SubtitleList();
    TextList blocks;
    int reached = ProgressBar1.Position;
    try {
        platform.UI.RunLongWork(btConvert.Caption, [&](const WorkProgress &progress, Questions &) {
            ConvertToSubRip(entries, SubRipTiming{fps, delay}, blocks, [&](int position) {
                reached = position;
                if (!progress(position))
                    throw WorkCancelled();
            });
        });
    } catch (const WorkCancelled &) {
        throw;
    } catch (...) {
        StartConversion(*this);
        EnableSaving();
        ImportBuffer().Assign(blocks);
        MoveProgressBar(reached);
        throw;
    }
    StartConversion(*this);
    EnableSaving();
    MoveProgressBar(reached);
    Memo1.Lines.Assign(blocks);
    ImportBuffer().Assign(WorkList());

    if (AnnounceSuccess)
        platform.UI.ShowMessage(Message(MessageRow::Success));

    DefaultButton = &btGravar;
    ActiveControl = &btGravar;
}
