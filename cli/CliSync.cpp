#include "cli/CliSync.h"

#include "cli/CliOutput.h"
#include "document/NumText.h"
#include "media/GstMediaSource.h"
#include "shell/Unit1.h"
#include "tools/VideoSync.h"

bool SyncBoxesToVideo(TForm1 &form, const std::string &videoFile) {
    const std::optional<Extended> fps = TryStrToFloat(form.Combobox2.Text);
    if (!fps || !(*fps > 0)) {
        ReportProblem("the frame rate '" + form.Combobox2.Text + "' cannot time the list");
        return false;
    }
    GstMediaSource media;
    const VideoSyncResult result = SyncToVideo(form.SubtitleList(), *fps, media, videoFile, nullptr);
    if (!result.accepted) {
        ReportProblem(result.message);
        return false;
    }
    form.Combobox2.Text = result.rateText;
    form.AtrasoEdit.Text = result.delayText;
    ReportBox("sync", "fps " + result.rateText + " delay " + result.delayText, "");
    return true;
}
