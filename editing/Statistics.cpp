#include "editing/Statistics.h"

#include "document/FrameLine.h"
#include "document/NumText.h"
#include "document/TextWidth.h"
#include "editing/SelectedEntry.h"
#include "shell/Unit1.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRule = "------------------------";

// The stretch of the status bar that holds our web address.
bool OverWebAddress(const StatusBar &bar) {
    return bar.MouseX > 280 && bar.MouseX < 440;
}

// CHOICE: our own addresses; the browser opens the first.
constexpr std::array<std::string_view, 4> kWebAddresses = {
    "http://lumavert.example.org",
    "http://www.lumavert.example.org",
    "http://lumavert.example.net",
    "http://lumavert.example.com",
};

// One message box text: the sizes of the text's lines in characters, every line ended by CR LF.
std::string LineSizesReport(const TForm1 &form, const TextLines &split) {
    std::string report = form.Message(MessageRow::LineSizes);
    report += kLineEnd;
    report += kRule;
    report += kLineEnd;
    for (std::size_t i = 0; i < split.lines.size(); ++i)
        report += form.Message(MessageRow::LineLabel) + IntToStr(static_cast<long long>(i) + 1) + " = " +
                  IntToStr(TextWidth(split.lines[i])) + std::string(kLineEnd);
    report += form.Message(MessageRow::Remainder) + IntToStr(TextWidth(split.rest));
    report += kLineEnd;
    report += kRule;
    report += kLineEnd;
    return report;
}

} // namespace

TextLines SplitTextLines(std::string_view text) {
    TextLines split;
    std::string_view remaining = text;
    for (std::string &line : split.lines) {
        const std::size_t bar = remaining.find('|');
        line = remaining.substr(0, bar);
        if (bar == std::string_view::npos)
            return split;
        remaining.remove_prefix(bar + 1);
    }
    split.rest = remaining;
    return split;
}

void TForm1::PropriedadesClick() {
    const std::string text = FrameLineText(SelectedEntry(*this));
    platform.UI.ShowMessage(LineSizesReport(*this, SplitTextLines(text)));
}

void TForm1::StatusBar1MouseMove() {
    StatusBar1.HandPoint = OverWebAddress(StatusBar1);
}

void TForm1::StatusBar1MouseDown() {
    if (!StatusBar1.LeftButton || !OverWebAddress(StatusBar1))
        return;
    std::string text = Message(MessageRow::OfficialSite);
    text += kLineEnd;
    for (const std::string_view address : kWebAddresses) {
        text += "   ";
        text += address;
        text += kLineEnd;
    }
    platform.UI.ShowMessage(text);
    platform.Launcher.OpenUrl(std::string(kWebAddresses[0]));
}
