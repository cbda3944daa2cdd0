#pragma once

#include "document/Numbers.h"
#include "document/TextList.h"
#include "media/MediaSource.h"
#include "tools/SpeechAlignment.h"

#include <functional>
#include <string>
#include <vector>

// Sync to the video: finds where the film speaks and the frame rate and delay
// that lay the list over it. The list itself never changes; the result is
// what the frame-rate box and the delay box should say.

struct VideoSyncResult {
    bool accepted = false;
    std::string message;   // why not, when not accepted
    std::string rateText;  // as the frame-rate box writes rates
    std::string delayText; // seconds, as the delay box reads them
    SpeechAlignment alignment;
};

// Told the share of the film decoded (0 to 100); false cancels.
using SyncProgress = std::function<bool(int percent)>;

// The list's subtitles in seconds at this rate; entries whose bounds are no
// whole numbers are left out.
std::vector<SubtitleSpan> SubtitleSpans(const TextList &entries, Extended fps);

// Reads the video's sound, finds its speech and aligns the list to it.
// Anything that stops the sync (a file that is no video, no sound, Cancel, a
// match that is not clear) leaves accepted false and says why.
VideoSyncResult SyncToVideo(const TextList &entries, Extended fps, MediaSource &media,
                            const std::string &videoFile, const SyncProgress &progress);

// The boxes' texts for an alignment of a list opened at `fps`.
std::string SyncedRateText(Extended fps, const RateRatio &ratio);
std::string SyncedDelayText(double offsetSeconds);
