#include "cli/CliSync.h"

#include "cli/CliOutput.h"
#include "media/GstMediaSource.h"
#include "shell/Unit1.h"
#include "tools/VideoSync.h"
#include "tools/VideoSyncBoxes.h"

bool SyncBoxesToVideo(TForm1 &form, const std::string &videoFile) {
    const std::optional<Extended> fps = SyncRate(form);
    if (!fps) {
        ReportProblem(UnusableRateMessage(form));
        return false;
    }
    GstMediaSource media;
    const VideoSyncResult result = SyncToVideo(form.SubtitleList(), *fps, media, videoFile, nullptr);
    if (!result.accepted) {
        ReportProblem(result.message);
        return false;
    }
    FillSyncedBoxes(form, result);
    ReportBox("sync", "fps " + result.rateText + " delay " + result.delayText, "");
    return true;
}
