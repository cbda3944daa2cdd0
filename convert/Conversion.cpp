#include "convert/SubRipWriter.h"
#include "document/NumText.h"
#include "shell/Unit1.h"

void TForm1::btConvertClick() {
    if (SubtitleList().Empty())
        return;

    CheckTiming();
    if (!ErrorList().Empty()) {
        // Either answer goes on to convert whatever the list then holds.
        if (platform.UI.AskYesNo(Message(57), QuestionKind::Confirmation))
            CorrectTiming();
        else
            GoToFirstTimingError();
    }

    WorkList().Assign(SubtitleList());
    Memo1.Lines.Clear();
    ImportBuffer().Clear();

    const Extended fps = StrToFloat(Combobox2.Text);
    const Extended delay = StrToFloat(AtrasoEdit.Text);

    btGravar.Enabled = true;
    Gravar1.Enabled = true;
    Guardar1.Enabled = true;
    bt_ID.Enabled = false;

    // The blocks are built in the ImportBuffer, one item per memo line, so
    // that an entry which does not convert leaves the lines made so far there
    // and the memo empty.
    const TextList &entries = WorkList();
    const std::size_t count = entries.Count();
    ImportBuffer().Reserve(SubRipLineCount(entries));
    for (std::size_t i = 0; i < count; ++i) {
        AppendSubRipBlock(ImportBuffer(), i + 1, entries[i], delay, fps);
        MoveProgressBar(ConversionProgress(i, count));
    }

    Memo1.Lines.Assign(ImportBuffer());
    ImportBuffer().Assign(WorkList());

    if (AnnounceSuccess)
        platform.UI.ShowMessage(Message(22));

    DefaultButton = &btGravar;
    ActiveControl = &btGravar;
}
