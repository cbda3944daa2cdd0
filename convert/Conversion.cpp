#include "convert/OutputFormats.h"
#include "document/NumText.h"
#include "shell/Unit1.h"

void TForm1::btConvertClick() {
    if (SubtitleList().Empty())
        return;

    CheckTiming();
    // Either answer goes on to convert whatever the list then holds.
    if (!ErrorList().Empty())
        OfferTimingCorrection();

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
    ConvertToSubRip(WorkList(), SubRipTiming{fps, delay}, ImportBuffer(),
                    [this](int position) { MoveProgressBar(position); });

    Memo1.Lines.Assign(ImportBuffer());
    ImportBuffer().Assign(WorkList());

    if (AnnounceSuccess)
        platform.UI.ShowMessage(Message(MessageRow::Success));

    DefaultButton = &btGravar;
    ActiveControl = &btGravar;
}
