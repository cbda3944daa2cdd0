#include "shell/Unit1.h"
#include "shell/Unit2.h"
#include "tools/FilmInfo.h"

namespace {

constexpr const char *kNothingChosen = "....";

} // namespace

void TForm1::SpeedButton1Click() {
    platform.UI.ShowPreview(Form2);
}

void TForm2::btPlayClick() {
    if (!platform.UI.ExecuteOpen(OpenDialog1)) {
        OpenDialog1.FileName.clear();
        return;
    }
    const std::string fileName = OpenDialog1.FileName;
    if (const std::optional<FilmCaptions> captions = PreviewCaptions(ReadFilmInfo(fileName, Media))) {
        Label3.Caption = captions->video;
        Label4.Caption = captions->audio;
    } else {
        // CHOICE: a file that is no film the program can read has nothing to
        // describe; the labels say so rather than keep the previous file's
        // values. The player may still know how to play it.
        Label3.Caption = kNothingChosen;
        Label4.Caption = kNothingChosen;
    }
    platform.Player.SetUrl(fileName);
    btStop.Enabled = true;
}

void TForm2::btStopClick() {
    platform.Player.SetUrl("");
    btStop.Enabled = false;
}

// Nothing plays on while the window is hidden; Stop keeps its state.
void TForm2::FormClose() {
    platform.Player.SetUrl("");
}
