#include "document/TextFile.h"
#include "shell/Unit1.h"

// A file that cannot be written ends these handlers with the FileError of
// WriteTextFile, which names the file; an existing file is then left whole.

namespace {

// Shown when there is no SubRip text to save; the same in every language.
constexpr const char *kConvertFirst = "Convert first";

} // namespace

void TForm1::btGravar1Click() {
    // Fitting empties the memo but leaves this button on; an empty memo
    // would replace the chosen file with nothing.
    if (Memo1.Lines.Empty()) {
        platform.UI.ShowMessage(kConvertFirst);
        return;
    }
    if (!platform.UI.ExecuteSave(SaveDialog1))
        return;
    WriteTextFile(SaveDialog1.FileName, Memo1.Lines);
}

void TForm1::btFormatoClick() {
    SaveDialog2.Title = Message(8);
    if (SaveFormato.ItemIndex == 0) {
        SaveDialog2.Filter = "MicroDVD (*.sub)|*.sub";
        if (platform.UI.ExecuteSave(SaveDialog2))
            WriteTextFile(SaveDialog2.FileName, SubtitleList());
    } else if (SaveFormato.ItemIndex == 1) {
        if (Memo1.Lines.Empty()) {
            platform.UI.ShowMessage(kConvertFirst);
            return;
        }
        SaveDialog2.Filter = "SubRip (*.srt)|*.srt";
        if (platform.UI.ExecuteSave(SaveDialog2))
            WriteTextFile(SaveDialog2.FileName, Memo1.Lines);
    }
}
