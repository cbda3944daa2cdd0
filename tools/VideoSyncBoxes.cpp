#include "tools/VideoSyncBoxes.h"

#include "document/NumText.h"
#include "shell/Unit1.h"

namespace {

// A delay with its sign, as the user reads a shift: "+2,40", "-0,50", "0".
std::string SignedDelay(const std::string &delayText) {
    const std::optional<Extended> delay = TryStrToFloat(delayText);
    if (!delay || *delay <= 0)
        return delayText;
    return "+" + delayText;
}

} // namespace

std::optional<Extended> SyncRate(const TForm1 &form) {
    const std::optional<Extended> fps = TryStrToFloat(form.Combobox2.Text);
    if (!fps || !(*fps > 0))
        return std::nullopt;
    return fps;
}

std::string UnusableRateMessage(const TForm1 &form) {
    return "the frame rate '" + form.Combobox2.Text + "' cannot time the list";
}

std::string FillSyncedBoxes(TForm1 &form, const VideoSyncResult &result) {
    const std::string summary = "rate " + form.Combobox2.Text + " -> " + result.rateText + ", delay " +
                                SignedDelay(form.AtrasoEdit.Text) + " -> " + SignedDelay(result.delayText) +
                                " s";
    form.Combobox2.Text = result.rateText;
    form.AtrasoEdit.Text = result.delayText;
    return summary;
}

void TForm1::SincronizarVideo1Click() {
    const std::optional<Extended> fps = SyncRate(*this);
    if (!fps) {
        platform.UI.ShowMessage(UnusableRateMessage(*this));
        return;
    }
    if (!Media || !platform.UI.ExecuteOpen(VideoDialog))
        return;
    // The work reads its own share of the list: the window may paint the list while it runs.
    const TextList entries = SubtitleList();
    const std::string videoFile = VideoDialog.FileName;
    VideoSyncResult result;
    platform.UI.RunLongWork(SincronizarVideo1.Caption, [&](const WorkProgress &progress) {
        result = SyncToVideo(entries, *fps, *Media, videoFile, progress);
    });
    if (!result.accepted) {
        platform.UI.ShowMessage(result.message);
        return;
    }
    platform.UI.ShowMessage(FillSyncedBoxes(*this, result));
}
