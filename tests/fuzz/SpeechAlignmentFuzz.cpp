// The sync's sound analysis and alignment on arbitrary input: the bytes as
// 16-bit sound for the speech detector, and as a speech mask and subtitle
// spans (any doubles: NaN, infinities, huge, negative, reversed) for the
// alignment. Nothing may crash, and what is found stays within its ranges.

#include "tests/fuzz/FuzzCheck.h"
#include "tools/SpeechAlignment.h"
#include "tools/SpeechDetector.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void Detect(const std::uint8_t *data, std::size_t size) {
    std::vector<std::int16_t> samples(size / 2);
    if (!samples.empty())
        std::memcpy(samples.data(), data, samples.size() * 2);
    SpeechDetector detector;
    // Two pieces of uneven size, as a decoder hands them over.
    const std::size_t half = samples.size() / 3;
    detector.Feed(samples.data(), half);
    detector.Feed(samples.data() + half, samples.size() - half);
    const std::vector<std::uint8_t> mask = detector.Finish();
    FUZZ_CHECK(mask.size() <= samples.size() / 80 + 1);
    FUZZ_CHECK(std::all_of(mask.begin(), mask.end(), [](std::uint8_t f) { return f <= 1; }));
}

// The first quarter of the bytes spread into a speech mask of whole runs
// (each byte a run of up to 255 frames, speech and silence in turn); the
// rest read as pairs of doubles. Both are capped: a longer film or list
// takes the same paths, only slower.
void Align(const std::uint8_t *data, std::size_t size) {
    size = std::min<std::size_t>(size, 4096);
    const std::size_t maskBytes = std::min<std::size_t>(size / 4, 256);
    std::vector<std::uint8_t> speech;
    for (std::size_t i = 0; i < maskBytes; ++i)
        speech.insert(speech.end(), data[i], static_cast<std::uint8_t>(i % 2));
    std::vector<SubtitleSpan> spans((size - maskBytes) / sizeof(SubtitleSpan));
    if (!spans.empty())
        std::memcpy(spans.data(), data + maskBytes, spans.size() * sizeof(SubtitleSpan));

    const SpeechAlignment found = AlignToSpeech(speech, spans);
    FUZZ_CHECK(std::fabs(found.offset) <= kLargestOffsetSeconds);
    const std::vector<RateRatio> &ratios = UsualRateRatios();
    FUZZ_CHECK(std::any_of(ratios.begin(), ratios.end(), [&](const RateRatio &ratio) {
        return ratio.from == found.ratio.from && ratio.to == found.ratio.to;
    }));
    if (found.verdict == AlignmentVerdict::Accepted) {
        FUZZ_CHECK(std::isfinite(found.fit) && found.fit <= 1.0 + 1e-9);
        FUZZ_CHECK(found.fit > found.rivalFit);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    Detect(data, size);
    Align(data, size);
    return 0;
}
