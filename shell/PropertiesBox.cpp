#include "document/FrameLine.h"
#include "editing/Statistics.h"
#include "shell/SelectedEntry.h"
#include "shell/Unit1.h"

#include <array>
#include <string_view>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

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

} // namespace

void TForm1::PropriedadesClick() {
    const std::string text = FrameLineText(SelectedEntry(*this));
    platform.UI.ShowMessage(LineSizesReport(text, CurrentLanguage));
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
