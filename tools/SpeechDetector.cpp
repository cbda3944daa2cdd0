#include "tools/SpeechDetector.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// 32 ms windows every 10 ms: long enough to resolve a voice's harmonics.
constexpr std::size_t kWindow = 256;
constexpr std::size_t kHop = 80;
// Zeros before the first sample put the centre of window n at the centre of frame n.
constexpr std::size_t kLeadIn = kWindow / 2 - kHop / 2;
constexpr std::size_t kBandLow = 300 * kWindow / kSpeechSampleRate;
constexpr std::size_t kBandHigh = 3400 * kWindow / kSpeechSampleRate;

// A frame speaks when its voice band stands this far above the film's quiet
// level (decibels), or a quarter of the way to its loud level if that is more.
constexpr float kMinimumRise = 6.0f;
constexpr float kRiseShare = 0.25f;
// Below this flatness the band has the peaks of a voice.
constexpr float kVoicedFlatness = 0.4f;
// Pauses between words up to this many frames belong to the speech around them.
constexpr std::size_t kBridgedGap = 25;
// Speech shorter than this many frames is a click or a knock.
constexpr std::size_t kShortestSpeech = 5;

// Levels that are not numbers take no part (they would break the ordering).
float Percentile(std::vector<float> values, double share) {
    values.erase(std::remove_if(values.begin(), values.end(), [](float v) { return !std::isfinite(v); }),
                 values.end());
    if (values.empty())
        return 0.0f;
    const auto at =
        values.begin() + static_cast<std::ptrdiff_t>(share * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

// Sets every run of `value` no longer than `longest` frames, between frames
// of the other value, to the other value.
void FillShortRuns(std::vector<std::uint8_t> &mask, std::uint8_t value, std::size_t longest) {
    std::size_t i = 0;
    while (i < mask.size()) {
        if (mask[i] != value) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < mask.size() && mask[end] == value)
            ++end;
        const bool inside = i > 0 && end < mask.size();
        if (end - i <= longest && (inside || value == 1))
            std::fill(mask.begin() + static_cast<std::ptrdiff_t>(i),
                      mask.begin() + static_cast<std::ptrdiff_t>(end), static_cast<std::uint8_t>(1 - value));
        i = end;
    }
}

} // namespace

struct SpeechDetector::Analysis {
    float *input = nullptr;
    fftwf_complex *spectrum = nullptr;
    fftwf_plan plan = nullptr;
    std::vector<float> hann;

    Analysis() : hann(kWindow) {
        input = fftwf_alloc_real(kWindow);
        spectrum = fftwf_alloc_complex(kWindow / 2 + 1);
        plan = fftwf_plan_dft_r2c_1d(static_cast<int>(kWindow), input, spectrum, FFTW_ESTIMATE);
        for (std::size_t i = 0; i < kWindow; ++i)
            hann[i] = 0.5f - 0.5f * std::cos(2.0f * std::numbers::pi_v<float> * static_cast<float>(i) /
                                             static_cast<float>(kWindow));
    }
    ~Analysis() {
        fftwf_destroy_plan(plan);
        fftwf_free(spectrum);
        fftwf_free(input);
    }
    Analysis(const Analysis &) = delete;
    Analysis &operator=(const Analysis &) = delete;
};

// The first full window is a frame at once.
SpeechDetector::SpeechDetector()
    : analysis_(std::make_unique<Analysis>()), window_(kWindow, 0.0f), filled_(kLeadIn),
      sinceFrame_(kHop - 1) {}

SpeechDetector::~SpeechDetector() = default;

void SpeechDetector::Feed(const std::int16_t *samples, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        window_[filled_ % kWindow] = static_cast<float>(samples[i]) / 32768.0f;
        ++filled_;
        if (filled_ >= kWindow && ++sinceFrame_ >= kHop) {
            sinceFrame_ = 0;
            AnalyseFrame();
        }
    }
    // The ring's position only matters modulo its length; keeping it small
    // keeps the first-window test true without overflow on endless input.
    if (filled_ >= 2 * kWindow)
        filled_ = kWindow + filled_ % kWindow;
}

void SpeechDetector::AnalyseFrame() {
    // The oldest sample sits where the next one will be written.
    Analysis &a = *analysis_;
    for (std::size_t i = 0; i < kWindow; ++i)
        a.input[i] = window_[(filled_ + i) % kWindow] * a.hann[i];
    fftwf_execute(a.plan);
    double sum = 0.0;
    double logSum = 0.0;
    for (std::size_t k = kBandLow; k < kBandHigh; ++k) {
        const double p =
            double(a.spectrum[k][0]) * a.spectrum[k][0] + double(a.spectrum[k][1]) * a.spectrum[k][1] + 1e-12;
        sum += p;
        logSum += std::log(p);
    }
    const double bins = static_cast<double>(kBandHigh - kBandLow);
    bandLevel_.push_back(static_cast<float>(10.0 * std::log10(sum)));
    flatness_.push_back(static_cast<float>(std::exp(logSum / bins) / (sum / bins)));
}

std::vector<std::uint8_t> SpeechDetector::Finish() const {
    return DecideSpeech(bandLevel_, flatness_);
}

std::vector<std::uint8_t> DecideSpeech(const std::vector<float> &bandLevel,
                                       const std::vector<float> &flatness) {
    const std::size_t frames = std::min(bandLevel.size(), flatness.size());
    std::vector<std::uint8_t> mask(frames, 0);
    if (frames == 0)
        return mask;
    const float quiet = Percentile(bandLevel, 0.10);
    const float loud = Percentile(bandLevel, 0.95);
    const float threshold = quiet + std::max(kMinimumRise, kRiseShare * (loud - quiet));
    for (std::size_t i = 0; i < frames; ++i)
        mask[i] = bandLevel[i] > threshold && flatness[i] < kVoicedFlatness ? 1 : 0;
    FillShortRuns(mask, 0, kBridgedGap);
    FillShortRuns(mask, 1, kShortestSpeech);
    return mask;
}
