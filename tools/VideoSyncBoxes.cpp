#include "tools/VideoSyncBoxes.h"

#include "document/NumText.h"

namespace {

// A delay with its sign, as the user reads a shift: "+2,40", "-0,50", "0".
std::string SignedDelay(const std::string &delayText) {
    const std::optional<Extended> delay = TryStrToFloat(delayText);
    if (!delay || *delay <= 0)
        return delayText;
    return "+" + delayText;
}

} // namespace

std::optional<Extended> SyncRate(const std::string &fpsText) {
    const std::optional<Extended> fps = TryStrToFloat(fpsText);
    if (!fps || !(*fps > 0))
        return std::nullopt;
    return fps;
}

std::string UnusableRateMessage(const std::string &fpsText) {
    return "the frame rate '" + fpsText + "' cannot time the list";
}

std::string FillSyncedBoxes(std::string &fpsText, std::string &delayText, const VideoSyncResult &result) {
    const std::string summary = "rate " + fpsText + " -> " + result.rateText + ", delay " +
                                SignedDelay(delayText) + " -> " + SignedDelay(result.delayText) + " s";
    fpsText = result.rateText;
    delayText = result.delayText;
    return summary;
}
