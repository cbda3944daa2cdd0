#include "tools/VideoSync.h"

#include "document/FrameLine.h"
#include "document/NumText.h"
#include "formats/SubRipWriter.h"
#include "tools/SpeechDetector.h"

#include <algorithm>
#include <cmath>

namespace {

// Feeds the decoded sound to the detector and reports how far the film is read.
class SpeechListener : public AudioReceiver {
public:
    SpeechListener(SpeechDetector &detector, double duration, const SyncProgress &progress)
        : detector_(detector), duration_(duration), progress_(progress) {}

    bool Receive(const std::int16_t *samples, std::size_t count, double seconds) override {
        detector_.Feed(samples, count);
        if (!progress_)
            return true;
        const double share = duration_ > 0 ? std::clamp(seconds / duration_, 0.0, 1.0) : 0.0;
        const int percent = static_cast<int>(share * 100);
        if (percent == lastPercent_)
            return true;
        lastPercent_ = percent;
        cancelled_ = !progress_(percent);
        return !cancelled_;
    }
    bool Cancelled() const { return cancelled_; }

private:
    SpeechDetector &detector_;
    double duration_;
    const SyncProgress &progress_;
    int lastPercent_ = -1;
    bool cancelled_ = false;
};

std::string Verdict(const SpeechAlignment &alignment) {
    switch (alignment.verdict) {
    case AlignmentVerdict::Accepted:
        return {};
    case AlignmentVerdict::NoSubtitles:
        return "the list has no subtitles to sync";
    case AlignmentVerdict::NoSpeech:
        return "no speech was found in the video";
    case AlignmentVerdict::Unclear:
        break;
    }
    return "the subtitles do not clearly match the video's speech (best fit " +
           FloatToStrFixed(alignment.fit, 2) + ", next " + FloatToStrFixed(alignment.rivalFit, 2) +
           "); nothing was changed";
}

} // namespace

std::vector<SubtitleSpan> SubtitleSpans(const TextList &entries, Extended fps) {
    std::vector<SubtitleSpan> spans;
    if (!(fps > 0))
        return spans;
    spans.reserve(entries.Count());
    for (const std::string_view entry : entries) {
        const FrameLineViews source = CutFrameLine(entry);
        const std::optional<int> start = TryStrToInt(source.startText);
        const std::optional<int> end = TryStrToInt(source.endText);
        if (start && end)
            spans.push_back({static_cast<double>(*start / fps), static_cast<double>(*end / fps)});
    }
    return spans;
}

std::string SyncedRateText(Extended fps, const RateRatio &ratio) {
    // Times stretch by to/from when the rate shrinks by the same ratio.
    return FloatToStr(fps * static_cast<Extended>(ratio.from) / static_cast<Extended>(ratio.to));
}

std::string SyncedDelayText(double offsetSeconds) {
    // The delay box holds seconds taken off every time, so a later film needs a negative delay.
    return FloatToStrFixed(-static_cast<Extended>(offsetSeconds), 2);
}

VideoSyncResult SyncToVideo(const TextList &entries, Extended fps, MediaSource &media,
                            const std::string &videoFile, const SyncProgress &progress) {
    VideoSyncResult result;
    const std::vector<SubtitleSpan> spans = SubtitleSpans(entries, fps);
    if (spans.empty()) {
        result.message = "the list has no subtitles to sync";
        return result;
    }
    MediaFacts facts;
    try {
        facts = media.Describe(videoFile);
    } catch (const MediaError &error) {
        result.message = error.what();
        return result;
    }
    if (!facts.video) {
        result.message = videoFile + " is not a video";
        return result;
    }
    if (!facts.audio) {
        result.message = videoFile + " has no sound to sync to";
        return result;
    }

    SpeechDetector detector;
    SpeechListener listener(detector, facts.durationSeconds, progress);
    const MediaOutcome decoded = media.DecodeAudio(videoFile, kSpeechSampleRate, listener);
    if (listener.Cancelled()) {
        result.message = "the sync was cancelled";
        return result;
    }
    if (!decoded.ok) {
        result.message = decoded.error;
        return result;
    }

    result.alignment = AlignToSpeech(detector.Finish(), spans);
    result.message = Verdict(result.alignment);
    result.accepted = result.alignment.verdict == AlignmentVerdict::Accepted;
    result.rateText = SyncedRateText(fps, result.alignment.ratio);
    result.delayText = SyncedDelayText(result.alignment.offset);
    return result;
}
