#include "shell/Unit1.h"

#include "document/Legendas.h"
#include "document/NumText.h"

#include <string_view>

namespace {

// 1-based position of the first `c`, 0 when there is none.
std::size_t PositionOf(std::string_view text, char c) {
    const std::size_t at = text.find(c);
    return at == std::string_view::npos ? 0 : at + 1;
}

// The characters strictly between positions open and close (1-based, 0 for
// "not found"). NOTE: a missing "{" reads as position 0, so the text then
// runs from the start up to the "}"; a "}" missing or before the "{" gives
// an empty text, which does not convert.
std::string Between(std::string_view text, std::size_t open, std::size_t close) {
    if (close <= open + 1)
        return {};
    return std::string(text.substr(open, close - open - 1));
}

} // namespace

void TForm1::ListBox1Click() {
    if (ListBox1.ItemIndex < 0)
        return;
    const std::string entry(ListBox1.Items.Item(static_cast<std::size_t>(ListBox1.ItemIndex)));
    const std::size_t open = PositionOf(entry, '{');
    if (open == 0)
        return;
    const std::size_t close = PositionOf(entry, '}');
    const std::string startText = Between(entry, open, close);
    SelectedStart = StrToInt(startText);

    const std::string_view rest = std::string_view(entry).substr(close);
    const std::string endText = Between(rest, PositionOf(rest, '{'), PositionOf(rest, '}'));
    SelectedEnd = StrToInt(endText);

    Edit5.Text = startText;
    Edit6.Text = endText;
    // The difference of two 32-bit frames needs more than 32 bits.
    Edit7.Text = IntToStr(static_cast<long long>(SelectedEnd) - SelectedStart);

    const Extended fps = StrToFloat(Combobox2.Text);
    const int delay = StrToInt(AtrasoEdit.Text);
    Edit12.Text = FramesToTime(Edit7.Text, delay, fps);

    UpDown1.Position = 0;
    UpDown2.Position = 0;
}

// Leaving the list changes nothing: edits are taken when the edit fields are left.
void TForm1::ListBox1Exit() {}
