#include "tools/SpeechAlignment.h"

#include "tools/SpeechDetector.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

constexpr std::size_t kReach = 60000; // kLargestOffsetSeconds in frames
// Two alignments that put some subtitle this many seconds apart are rivals;
// closer ones are the same fit seen from a neighbouring ratio or frame.
constexpr double kDistinctSeconds = 3.0;
// CHOICE: the best alignment is taken when at least a fifth of the subtitles'
// time beyond chance lies on speech, and it beats every rival by a third and
// by a tenth of the subtitles' time. Subtitles of another film reach a similar
// fit at several offsets and fail the margin.
constexpr double kLeastFit = 0.2;
constexpr double kClearRatio = 1.33;
constexpr double kClearMargin = 0.1;
// A film with less speech than this, or almost nothing else, gives nothing to align to.
constexpr std::size_t kLeastSpeechFrames = 100;
constexpr double kMostSpeechShare = 0.98;

// The smallest length of the form 2^a 3^b 5^c not below n, which FFTW transforms fastest.
std::size_t FftLength(std::size_t n) {
    std::size_t best = std::size_t{1} << 40;
    for (std::size_t p5 = 1; p5 < best; p5 *= 5)
        for (std::size_t p35 = p5; p35 < best; p35 *= 3) {
            std::size_t length = p35;
            while (length < n)
                length *= 2;
            best = std::min(best, length);
        }
    return best;
}

// Cross-correlates subtitle masks with one speech signal, whose spectrum is
// worked out once.
class Correlator {
public:
    Correlator(const std::vector<double> &speech, std::size_t length)
        : length_(length), bins_(length / 2 + 1), real_(fftw_alloc_real(length)),
          spectrum_(fftw_alloc_complex(bins_)), speechSpectrum_(fftw_alloc_complex(bins_)) {
        forward_ = fftw_plan_dft_r2c_1d(static_cast<int>(length), real_, spectrum_, FFTW_ESTIMATE);
        backward_ = fftw_plan_dft_c2r_1d(static_cast<int>(length), spectrum_, real_, FFTW_ESTIMATE);
        Load(speech);
        fftw_execute(forward_);
        std::memcpy(speechSpectrum_, spectrum_, sizeof(fftw_complex) * bins_);
    }
    ~Correlator() {
        fftw_destroy_plan(backward_);
        fftw_destroy_plan(forward_);
        fftw_free(speechSpectrum_);
        fftw_free(spectrum_);
        fftw_free(real_);
    }
    Correlator(const Correlator &) = delete;
    Correlator &operator=(const Correlator &) = delete;

    // The sums of mask[m] * speech[m + d] for d from -kReach to kReach.
    std::vector<double> Correlate(const std::vector<double> &mask) {
        Load(mask);
        fftw_execute(forward_);
        for (std::size_t k = 0; k < bins_; ++k) {
            // conj(mask) * speech
            const double mr = spectrum_[k][0], mi = -spectrum_[k][1];
            const double sr = speechSpectrum_[k][0], si = speechSpectrum_[k][1];
            spectrum_[k][0] = mr * sr - mi * si;
            spectrum_[k][1] = mr * si + mi * sr;
        }
        fftw_execute(backward_);
        std::vector<double> sums(2 * kReach + 1);
        const double scale = 1.0 / static_cast<double>(length_);
        for (std::size_t i = 0; i <= 2 * kReach; ++i)
            sums[i] = real_[(i + length_ - kReach) % length_] * scale;
        return sums;
    }

private:
    void Load(const std::vector<double> &values) {
        std::fill(real_, real_ + length_, 0.0);
        std::copy(values.begin(),
                  values.begin() + static_cast<std::ptrdiff_t>(std::min(values.size(), length_)), real_);
    }

    std::size_t length_;
    std::size_t bins_;
    double *real_;
    fftw_complex *spectrum_;
    fftw_complex *speechSpectrum_;
    fftw_plan forward_ = nullptr;
    fftw_plan backward_ = nullptr;
};

// The frame of a time, held within [0, limit].
std::size_t FrameAt(double seconds, std::size_t limit) {
    const double frame = std::round(seconds / kSpeechFrameSeconds);
    if (!(frame > 0))
        return 0;
    return frame >= static_cast<double>(limit) ? limit : static_cast<std::size_t>(frame);
}

// 1 in every frame a scaled subtitle covers, up to `limit` frames, as long as
// the latest end. Each span marks where it begins and ends and one sweep
// counts the spans open at each frame: filling every span's frames would
// go over the same frames again for each long subtitle that overlaps.
std::vector<double> SubtitleMask(const std::vector<SubtitleSpan> &subtitles, double scale,
                                 std::size_t limit) {
    std::vector<std::ptrdiff_t> opened;
    for (const SubtitleSpan &span : subtitles) {
        const std::size_t first = FrameAt(span.start * scale, limit);
        const std::size_t last = FrameAt(span.end * scale, limit);
        if (last + 1 > opened.size())
            opened.resize(last + 1, 0);
        if (first < last) {
            ++opened[first];
            --opened[last];
        }
    }
    std::vector<double> mask(opened.empty() ? 0 : opened.size() - 1);
    std::ptrdiff_t open = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        open += opened[i];
        mask[i] = open > 0 ? 1.0 : 0.0;
    }
    return mask;
}

struct Candidate {
    std::size_t ratio = 0;
    std::size_t shift = 0; // index into the sums: offset frames + kReach
    double fit = -1e300;
    double Offset() const {
        return (static_cast<double>(shift) - static_cast<double>(kReach)) * kSpeechFrameSeconds;
    }
};

} // namespace

const std::vector<RateRatio> &UsualRateRatios() {
    static const std::vector<RateRatio> ratios{
        {1.0, 1.0},     {23.976, 25.0}, {25.0, 23.976}, {25.0, 24.0},  {24.0, 25.0},  {23.976, 24.0},
        {24.0, 23.976}, {25.0, 30.0},   {30.0, 25.0},   {25.0, 29.97}, {29.97, 25.0},
    };
    return ratios;
}

SpeechAlignment AlignToSpeech(const std::vector<std::uint8_t> &speech,
                              const std::vector<SubtitleSpan> &subtitles) {
    SpeechAlignment result;
    // Only spans that are numbers and last take part.
    std::vector<SubtitleSpan> spans;
    double first = 1e300, last = 0.0;
    for (const SubtitleSpan &span : subtitles)
        if (std::isfinite(span.start) && std::isfinite(span.end) && span.end > span.start && span.end > 0) {
            spans.push_back(span);
            first = std::min(first, std::max(span.start, 0.0));
            last = std::max(last, span.end);
        }
    if (spans.empty())
        return result;

    const std::size_t spoken = static_cast<std::size_t>(
        std::count_if(speech.begin(), speech.end(), [](std::uint8_t f) { return f != 0; }));
    result.verdict = AlignmentVerdict::NoSpeech;
    if (spoken < kLeastSpeechFrames ||
        static_cast<double>(spoken) > kMostSpeechShare * static_cast<double>(speech.size()))
        return result;
    // Speech less its share: a subtitle over silence costs what one over speech gains, weighted so that
    // chance scores nothing.
    const double share = static_cast<double>(spoken) / static_cast<double>(speech.size());
    std::vector<double> centred(speech.size());
    for (std::size_t i = 0; i < speech.size(); ++i)
        centred[i] = (speech[i] != 0 ? 1.0 : 0.0) - share;

    // Subtitles past the film's end and the reach never meet its speech.
    const std::size_t limit = speech.size() + kReach;
    // Long enough that no shift within the reach wraps round.
    Correlator correlator(centred, FftLength(speech.size() + 2 * kReach + 1));
    const std::vector<RateRatio> &ratios = UsualRateRatios();
    std::vector<std::vector<double>> fits(ratios.size());
    Candidate best;
    for (std::size_t r = 0; r < ratios.size(); ++r) {
        const std::vector<double> mask = SubtitleMask(spans, ratios[r].Scale(), limit);
        const double covered = std::count(mask.begin(), mask.end(), 1.0);
        if (covered == 0)
            continue;
        fits[r] = correlator.Correlate(mask);
        for (double &fit : fits[r])
            fit /= covered * (1.0 - share);
        const auto peak = std::max_element(fits[r].begin(), fits[r].end());
        if (*peak > best.fit)
            best = {r, static_cast<std::size_t>(peak - fits[r].begin()), *peak};
    }
    if (fits[best.ratio].empty()) {
        result.verdict = AlignmentVerdict::NoSubtitles;
        return result;
    }

    // The best rival: the best fit of any alignment that moves some subtitle kDistinctSeconds from the best
    // one.
    double rival = 0.0;
    const double bestScale = ratios[best.ratio].Scale();
    for (std::size_t r = 0; r < ratios.size(); ++r) {
        const double drift = ratios[r].Scale() - bestScale;
        for (std::size_t i = 0; i < fits[r].size(); ++i) {
            const double move =
                (static_cast<double>(i) - static_cast<double>(best.shift)) * kSpeechFrameSeconds;
            const double apart = std::max(std::fabs(drift * first + move), std::fabs(drift * last + move));
            if (apart > kDistinctSeconds)
                rival = std::max(rival, fits[r][i]);
        }
    }

    result.ratio = ratios[best.ratio];
    result.offset = best.Offset();
    result.fit = best.fit;
    result.rivalFit = rival;
    const bool clear =
        best.fit >= kLeastFit && best.fit >= kClearRatio * rival && best.fit - rival >= kClearMargin;
    result.verdict = clear ? AlignmentVerdict::Accepted : AlignmentVerdict::Unclear;
    return result;
}
