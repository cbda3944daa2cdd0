#include "convert/SaveInEncoding.h"
#include "formats/OutputFormats.h"
#include "shell/Unit1.h"

// A file that cannot be written ends these handlers with the FileError of
// WriteTextFile, which names the file; an existing file is then left whole.

namespace {

// Shown when there is no SubRip text to save; the same in every language.
constexpr const char *kConvertFirst = "Convert first";

} // namespace

bool TForm1::SaveLines(const std::string &fileName, const TextList &lines, bool subRip) {
    return SaveInEncoding(fileName, lines, subRip, OutputEncoding(), platform.UI, CurrentLanguage);
}

void TForm1::EnableSaving() {
    btGravar.Enabled = true;
    Gravar1.Enabled = true;
    Guardar1.Enabled = true;
    bt_ID.Enabled = false;
}

void TForm1::btGravar1Click() {
    // Fitting empties the memo but leaves this button on; an empty memo
    // would replace the chosen file with nothing.
    if (Memo1.Lines.Empty()) {
        platform.UI.ShowMessage(kConvertFirst);
        return;
    }
    if (!platform.UI.ExecuteSave(SaveDialog1))
        return;
    SaveLines(SaveDialog1.FileName, Memo1.Lines, true);
}

void TForm1::btFormatoClick() {
    SaveDialog2.Title = Message(MessageRow::SaveSubtitle);
    if (SaveFormato.ItemIndex == 0) {
        SaveDialog2.Filter = SaveDialogFilter(MicroDvdOutput());
        if (platform.UI.ExecuteSave(SaveDialog2))
            SaveLines(SaveDialog2.FileName, SubtitleList(), false);
    } else if (SaveFormato.ItemIndex == 1) {
        if (Memo1.Lines.Empty()) {
            platform.UI.ShowMessage(kConvertFirst);
            return;
        }
        SaveDialog2.Filter = SaveDialogFilter(SubRipOutput());
        if (platform.UI.ExecuteSave(SaveDialog2))
            SaveLines(SaveDialog2.FileName, Memo1.Lines, true);
    }
}
