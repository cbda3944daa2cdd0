#include "shell/Unit1.h"

#include "document/FrameLine.h"
#include "document/NumText.h"
#include "editing/ListEdits.h"
#include "shell/SelectedEntry.h"

#include <optional>
#include <string_view>
#include <vector>

namespace {

// Windows virtual-key codes of the keys the subtitle list answers.
constexpr int kKeyDelete = 0x2E;

// Inserts a new entry after the selected one, its text asked for with a
// proposal; false when nothing was inserted.
bool InsertAfterSelected(TForm1 &form, std::string text) {
    if (form.SubtitleList().Empty() || SelectedEntry(form).empty())
        return false;
    const auto index = static_cast<std::size_t>(form.ListBox1.ItemIndex);
    const InsertedFrames frames = FramesAfter(SelectedEntry(form), form.SubtitleList()[index + 1]);
    if (frames.crowded)
        form.platform.UI.ShowMessage("Correct Frame");
    if (!form.platform.UI.InputQuery("Insert", form.Message(MessageRow::InsertSubtitle), text))
        return false;
    form.ActiveControl = &form.ListBox1;
    form.ListBox1.TopIndex = static_cast<int>(index);
    form.SubtitleList().Insert(index + 1, FrameLine(frames.start, frames.end, text));
    form.ListBox1.ItemIndex = static_cast<int>(index) + 1;
    form.ListBox1Click();
    return true;
}

} // namespace

void TForm1::EliminarClick() {
    // CHOICE: an empty list has nothing to delete, so nothing is asked.
    if (SubtitleList().Empty())
        return;
    if (!platform.UI.AskYesNo(Message(MessageRow::ConfirmDelete), QuestionKind::Warning))
        return;
    const int index = ListBox1.ItemIndex;
    if (index < 0)
        return;
    const bool titleLine = index == 0 && IsTitleLine(SubtitleList()[0]);
    SubtitleList().Delete(static_cast<std::size_t>(index));
    if (titleLine) {
        // The title line also stands first in the WorkList, unless that has been emptied.
        if (!WorkList().Empty())
            WorkList().Delete(0);
        bt_ID.Enabled = true;
    }
    // NOTE: a title line with other frames ({2}{59}) is not recognised, and
    // bt_ID stays off after it is deleted.
    // CHOICE: the entry that took the deleted one's place (else the new last
    // one) is selected and shown, so the frame fields never show one
    // subtitle while another is selected.
    const auto count = static_cast<int>(SubtitleList().Count());
    ListBox1.ItemIndex = index < count ? index : count - 1;
    ListBox1Click();
}

void TForm1::btInsertClick() {
    InsertAfterSelected(*this, std::string());
}

void TForm1::btCopyClick() {
    CopiedLine.assign(SelectedEntry(*this));
    CopiedLineIsText = false;
    btPast.Enabled = !CopiedLine.empty();
}

void TForm1::btPastClick() {
    // The copied FrameLine gives its text; the new entry's frames come from
    // the selected entry and the next one.
    // CHOICE: the FrameLine is cut once; after a paste that was cancelled or
    // failed the text is not cut again at its own braces.
    if (!CopiedLineIsText) {
        CopiedLine = FrameLineText(CopiedLine);
        CopiedLineIsText = true;
    }
    if (InsertAfterSelected(*this, CopiedLine))
        btPast.Enabled = false;
}

void TForm1::Uppercase1Click() {
    SubtitleList().Assign(WithLetterCase(SubtitleList(), LetterCase::Upper));
}

void TForm1::AnsiUppercase1Click() {
    SubtitleList().Assign(WithLetterCase(SubtitleList(), LetterCase::AnsiUpper));
}

void TForm1::Lowercase1Click() {
    SubtitleList().Assign(WithLetterCase(SubtitleList(), LetterCase::Lower));
}

void TForm1::AnsiLowercase1Click() {
    SubtitleList().Assign(WithLetterCase(SubtitleList(), LetterCase::AnsiLower));
}

void TForm1::bt_IDClick() {
    // The first subtitle's start: entry 0 from its second character up to its first "}".
    const int start = StrToInt(CutFrameLine(SubtitleList()[0]).startText);
    // Without room for a title line, nothing is asked.
    const std::optional<int> end = TitleLineEnd(start);
    if (!end)
        return;
    std::string title = "DivX Video";
    if (!platform.UI.InputQuery(Message(MessageRow::ChangeTitle), Message(MessageRow::Title), title))
        return;
    const std::string line = FrameLine(kTitleLineStart, *end, title);
    for (TextList *list : {&SubtitleList(), &ImportBuffer(), &WorkList()})
        list->Insert(0, line);
    // CHOICE: the selection follows its subtitle down by one, so the frame
    // fields still belong to the selected entry.
    if (ListBox1.ItemIndex >= 0)
        ++ListBox1.ItemIndex;
    ActiveControl = &btConvert;
    DefaultButton = &btConvert;
    bt_ID.Enabled = false;
}

void TForm1::ListBox1KeyDown(int key) {
    // Only the key code counts; Shift, Ctrl and Alt are not looked at.
    switch (key) {
    case kKeyDelete:
        EliminarClick();
        break;
    case 'I':
        btInsertClick();
        break;
    case 'T':
    case 'P':
        PropriedadesClick();
        break;
    default:
        break;
    }
}
