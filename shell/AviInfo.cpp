#include "document/NumText.h"
#include "shell/Unit1.h"
#include "tools/FilmInfo.h"

void TForm1::btAVIInfoClick() {
    if (!platform.UI.ExecuteOpen(OpenDialog2))
        return;
    const FilmInfo info = ReadFilmInfo(OpenDialog2.FileName, Media);
    const std::string report = FilmInfoReport(info);
    if (report.empty()) {
        platform.UI.ShowMessage("No AVI Information");
        return;
    }
    platform.UI.ShowMessage(report);
    const std::optional<Extended> rate = FilmInfoRate(info);
    if (!rate)
        return;
    if (platform.UI.AskYesNo(Message(MessageRow::PutInFps), QuestionKind::Confirmation))
        Combobox2.Text = FloatToStr(*rate);
}
