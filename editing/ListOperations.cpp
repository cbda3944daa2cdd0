#include "shell/Unit1.h"

#include "document/Chars.h"
#include "document/FrameLine.h"
#include "document/LetterCase.h"
#include "document/NumText.h"
#include "editing/SelectedEntry.h"

#include <optional>
#include <string_view>
#include <vector>

namespace {

// Windows virtual-key codes of the keys the subtitle list answers.
constexpr int kKeyDelete = 0x2E;

// The frames a title line is recognised by when it is deleted as entry 0.
constexpr std::string_view kTitleFrames = "{2}{100}";

struct NewFrames {
    int start;
    int end;
};

// Frames for an entry after the selected one: from 25 to 50 frames after its
// end when the next one starts at least 50 frames after that end, otherwise
// the two frames right after it. Sums run in 64 bits.
// CHOICE: frames beyond 32 bits are a conversion error before anything is shown.
NewFrames FramesAfterSelected(TForm1 &form, bool &crowded) {
    const auto index = static_cast<std::size_t>(form.ListBox1.ItemIndex);
    const std::string_view selected = SelectedEntry(form);
    const std::string_view next = form.SubtitleList()[index + 1];
    int curStart = 0;
    int curEnd = 0;
    int nextStart = 0;
    int nextEnd = 0;
    FrameLineFrames(selected, curStart, curEnd);
    FrameLineFrames(next, nextStart, nextEnd);
    const long long end = curEnd;
    crowded = end + 50 > nextStart;
    const long long first = crowded ? end + 1 : end + 25;
    const long long last = crowded ? end + 2 : end + 50;
    return {ToInt32(static_cast<Extended>(first)), ToInt32(static_cast<Extended>(last))};
}

// Inserts a new entry after the selected one, its text asked for with a
// proposal; false when nothing was inserted.
bool InsertAfterSelected(TForm1 &form, std::string text) {
    if (form.SubtitleList().Empty() || SelectedEntry(form).empty())
        return false;
    bool crowded = false;
    const NewFrames frames = FramesAfterSelected(form, crowded);
    if (crowded)
        form.platform.UI.ShowMessage("Correct Frame");
    if (!form.platform.UI.InputQuery("Insert", form.Message(MessageRow::InsertSubtitle), text))
        return false;
    const int index = form.ListBox1.ItemIndex;
    form.ActiveControl = &form.ListBox1;
    form.ListBox1.TopIndex = index;
    form.SubtitleList().Insert(static_cast<std::size_t>(index) + 1,
                               FrameLine(frames.start, frames.end, text));
    form.ListBox1.ItemIndex = index + 1;
    form.ListBox1Click();
    return true;
}

// Every FrameLine of the list in the letter case asked for; digits and
// braces stay. The list is built anew: each line is copied once, even when
// its storage is shared with the other lists.
void ChangeCaseOfList(TextList &list, LetterCase to) {
    TextList changed;
    changed.Reserve(list.Count());
    std::string line;
    for (const std::string_view original : list) {
        line.assign(original);
        ChangeCase(line, to);
        changed.Add(line);
    }
    list.Assign(changed);
}

// The first subtitle's start frame: entry 0 from its second character up to
// its first "}".
int FirstStartFrame(const TextList &list) {
    return StrToInt(CutFrameLine(list[0]).startText);
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
    const bool titleLine = index == 0 && CharsAre(SubtitleList()[0], 1, kTitleFrames);
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
    ChangeCaseOfList(SubtitleList(), LetterCase::Upper);
}

void TForm1::AnsiUppercase1Click() {
    ChangeCaseOfList(SubtitleList(), LetterCase::AnsiUpper);
}

void TForm1::Lowercase1Click() {
    ChangeCaseOfList(SubtitleList(), LetterCase::Lower);
}

void TForm1::AnsiLowercase1Click() {
    ChangeCaseOfList(SubtitleList(), LetterCase::AnsiLower);
}

void TForm1::bt_IDClick() {
    const int start = FirstStartFrame(SubtitleList());
    const long long end = start >= 100 ? 100 : static_cast<long long>(start) - 1;
    // CHOICE: a title line must end after frame 2; a first subtitle at frame
    // 3 or earlier leaves no room for one, and nothing is asked.
    if (end <= 2)
        return;
    std::string title = "DivX Video";
    if (!platform.UI.InputQuery(Message(MessageRow::ChangeTitle), Message(MessageRow::Title), title))
        return;
    const std::string line = "{2}{" + IntToStr(end) + "}" + title;
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
