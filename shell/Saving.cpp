#include "convert/OutputChoice.h"
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

bool TForm1::SaveMemo(const std::string &fileName) {
    const auto subtitleOf = [&](std::size_t line) {
        return SubtitleOfMemoLine(MemoOutput, Memo1.Lines, SubtitleList(), line);
    };
    return SaveInEncoding(fileName, Memo1.Lines, subtitleOf,
                          OutputEncodingOf(*MemoOutput.format, OutputEncoding()), platform.UI,
                          CurrentLanguage);
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
    SaveDialog1.Filter = MemoSaveFilter(*MemoOutput.format);
    SaveDialog1.DefaultExt = "*" + std::string(MemoOutput.format->extension);
    if (!platform.UI.ExecuteSave(SaveDialog1))
        return;
    SaveMemo(SaveDialog1.FileName);
}

void TForm1::btFormatoClick() {
    SaveDialog2.Title = Message(MessageRow::SaveSubtitle);
    // The first item saves the list as it stands; the others the memo, once
    // Convert has put the item's format into it.
    const OutputFormat &format = OutputOfBoxItem(SaveFormato.ItemIndex);
    SaveDialog2.Filter = SaveDialogFilter(format);
    if (&format == &MicroDvdOutput()) {
        if (platform.UI.ExecuteSave(SaveDialog2))
            SaveLines(SaveDialog2.FileName, SubtitleList(), false);
        return;
    }
    if (Memo1.Lines.Empty() || MemoOutput.format != &format) {
        platform.UI.ShowMessage(kConvertFirst);
        return;
    }
    if (platform.UI.ExecuteSave(SaveDialog2))
        SaveMemo(SaveDialog2.FileName);
}
