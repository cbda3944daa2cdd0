#include "tools/FilmInfo.h"

#include "document/Legendas.h"
#include "document/NumText.h"
#include "tools/AviReport.h"

#include <climits>

namespace {

constexpr const char *kReportLineEnd = "\n\r";

// A duration as the clock time of its milliseconds counted at 1000 a second;
// one too long for that (past 24 days) in whole seconds.
std::string DurationText(double seconds) {
    const Extended milliseconds = RoundHalfEven(static_cast<Extended>(seconds) * 1000);
    if (milliseconds <= INT_MAX)
        return FramesToTime(IntToStr(static_cast<long long>(milliseconds)), 0, 1000);
    const Extended whole = std::min<Extended>(RoundHalfEven(static_cast<Extended>(seconds)), INT_MAX);
    return FramesToTime(IntToStr(static_cast<long long>(whole)), 0, 1);
}

std::string VideoCaption(const std::string &codec, Extended width, Extended height,
                         std::optional<Extended> rate) {
    std::string caption = codec + " (" + FloatToStr(width) + "x" + FloatToStr(height) + ")";
    if (rate)
        caption += " - " + ShortNumber(*rate) + " fps";
    return caption;
}

} // namespace

std::optional<Extended> FilmFrameRate(const MediaFacts &facts) {
    if (!facts.video || !facts.video->frameRate)
        return std::nullopt;
    const FrameRateFraction rate = *facts.video->frameRate;
    return Divide(rate.numerator, rate.denominator);
}

std::vector<std::string> FilmFactsLines(const MediaFacts &facts) {
    std::vector<std::string> lines;
    lines.push_back("Container: " + (facts.container.empty() ? std::string("none") : facts.container));
    if (facts.video)
        lines.push_back("Video: " + facts.video->codec + " " + IntToStr(facts.video->width) + "x" +
                        IntToStr(facts.video->height));
    else
        lines.push_back("Video: none");
    const std::optional<Extended> rate = FilmFrameRate(facts);
    lines.push_back("Frame rate: " + (rate ? FloatToStrFixed(*rate, 3) : std::string("unknown")));
    lines.push_back("Duration: " + DurationText(facts.durationSeconds));
    if (facts.audio)
        lines.push_back("Audio: " + facts.audio->codec + ", " + IntToStr(facts.audio->channels) +
                        " channels, " + IntToStr(facts.audio->sampleRate) + " Hz");
    else
        lines.push_back("Audio: none");
    return lines;
}

FilmInfo ReadFilmInfo(const std::string &fileName, MediaSource *media) {
    FilmInfo info;
    TAVIFileInfo avi;
    if (ReadAviInfo(fileName, avi) == AviReadStatus::Read)
        info.avi = avi;
    if (media) {
        try {
            info.film = media->Describe(fileName);
        } catch (const MediaError &) {
            // The AVI header, or "No AVI Information", says all there is.
        }
    }
    return info;
}

std::string FilmInfoReport(const FilmInfo &info) {
    std::string report = info.avi ? AviReport(*info.avi) : std::string();
    if (!info.film)
        return report;
    if (info.avi)
        report += std::string("--------------------------------") + kReportLineEnd;
    for (const std::string &line : FilmFactsLines(*info.film))
        report += line + kReportLineEnd;
    return report;
}

std::optional<Extended> FilmInfoRate(const FilmInfo &info) {
    // CHOICE: a header without a frame duration has no rate to offer.
    if (info.avi && info.avi->FrameRate != 0)
        return info.avi->FrameRate;
    return info.film ? FilmFrameRate(*info.film) : std::nullopt;
}

std::optional<FilmCaptions> PreviewCaptions(const FilmInfo &info) {
    if (info.avi)
        return FilmCaptions{
            VideoCaption(info.avi->VideoCodec, info.avi->Width, info.avi->Height, info.avi->FrameRate),
            info.avi->AudioCodec};
    if (!info.film || !info.film->video)
        return std::nullopt;
    const VideoFacts &video = *info.film->video;
    return FilmCaptions{VideoCaption(video.codec, video.width, video.height, FilmFrameRate(*info.film)),
                        info.film->audio ? info.film->audio->codec : std::string()};
}
