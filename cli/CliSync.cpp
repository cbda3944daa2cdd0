#include "cli/CliSync.h"

#include "cli/CliOutput.h"
#include "media/GstMediaSource.h"
#include "tools/VideoSync.h"
#include "tools/VideoSyncBoxes.h"

bool SyncBoxesToVideo(std::string &fpsText, std::string &delayText, const TextList &frameLines,
                      const std::string &videoFile) {
    const std::optional<Extended> fps = SyncRate(fpsText);
    if (!fps) {
        ReportProblem(UnusableRateMessage(fpsText));
        return false;
    }
    GstMediaSource media;
    const VideoSyncResult result = SyncToVideo(frameLines, *fps, media, videoFile, nullptr);
    if (!result.accepted) {
        ReportProblem(result.message);
        return false;
    }
    FillSyncedBoxes(fpsText, delayText, result);
    ReportBox("sync", "fps " + result.rateText + " delay " + result.delayText, "");
    return true;
}
