#include "shell/Unit1.h"

#include "document/EntryFields.h"
#include "document/FrameLine.h"
#include "document/NumText.h"

void TForm1::ListBox1Click() {
    if (ListBox1.ItemIndex < 0)
        return;
    const std::string entry(ListBox1.Items.Item(static_cast<std::size_t>(ListBox1.ItemIndex)));
    const std::optional<FrameLineBoundTexts> bounds = SelectionBounds(entry);
    if (!bounds)
        return;
    SelectedStart = StrToInt(bounds->startText);
    SelectedEnd = StrToInt(bounds->endText);

    Edit5.Text = bounds->startText;
    Edit6.Text = bounds->endText;
    // The difference of two 32-bit frames needs more than 32 bits.
    Edit7.Text = IntToStr(static_cast<long long>(SelectedEnd) - SelectedStart);
    Edit12.Text = EntryDurationText(Edit7.Text, Combobox2.Text, AtrasoEdit.Text);

    UpDown1.Position = 0;
    UpDown2.Position = 0;
}

void TForm1::PointAtEntry(std::size_t index) {
    ActiveControl = &ListBox1;
    ListBox1.TopIndex = static_cast<int>(index) - 1;
    ListBox1.ItemIndex = static_cast<int>(index);
    ListBox1Click();
}

// Leaving the list changes nothing: edits are taken when the edit fields are left.
void TForm1::ListBox1Exit() {}
