#include "shell/Unit1.h"
#include "tools/VideoSyncBoxes.h"

void TForm1::SincronizarVideo1Click() {
    const std::optional<Extended> fps = SyncRate(Combobox2.Text);
    if (!fps) {
        platform.UI.ShowMessage(UnusableRateMessage(Combobox2.Text));
        return;
    }
    if (!Media || !platform.UI.ExecuteOpen(VideoDialog))
        return;
    // The work reads its own share of the list: the window may paint the list while it runs.
    const TextList entries = SubtitleList();
    const std::string videoFile = VideoDialog.FileName;
    VideoSyncResult result;
    platform.UI.RunLongWork(SincronizarVideo1.Caption, [&](const WorkProgress &progress, Questions &) {
        result = SyncToVideo(entries, *fps, *Media, videoFile, progress);
    });
    if (!result.accepted) {
        platform.UI.ShowMessage(result.message);
        return;
    }
    platform.UI.ShowMessage(FillSyncedBoxes(Combobox2.Text, AtrasoEdit.Text, result));
}
