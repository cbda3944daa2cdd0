#include "tools/SpeechAlignment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// A film's sentences: irregular lengths and pauses drawn from a seed.
std::vector<SubtitleSpan> Sentences(unsigned seed, int count) {
    std::vector<SubtitleSpan> spans;
    double now = 5.0;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double length = 1.0 + (seed >> 16) % 300 / 100.0;
        seed = seed * 1103515245u + 12345u;
        const double pause = 0.5 + (seed >> 16) % 450 / 100.0;
        spans.push_back({now, now + length});
        now += length + pause;
    }
    return spans;
}

std::vector<std::uint8_t> SpeechOf(const std::vector<SubtitleSpan> &sentences, double seconds) {
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(seconds * 100), 0);
    for (const SubtitleSpan &span : sentences)
        for (auto i = static_cast<std::size_t>(span.start * 100); i < span.end * 100 && i < mask.size(); ++i)
            mask[i] = 1;
    return mask;
}

// The subtitles a list would hold whose times, scaled and moved, are the sentences'.
std::vector<SubtitleSpan> Distorted(const std::vector<SubtitleSpan> &sentences, const RateRatio &ratio,
                                    double offset) {
    std::vector<SubtitleSpan> spans;
    for (const SubtitleSpan &span : sentences)
        spans.push_back({(span.start - offset) / ratio.Scale(), (span.end - offset) / ratio.Scale()});
    return spans;
}

struct AlignmentCase {
    RateRatio ratio;
    double offset;
};

class AlignmentFindsTest : public testing::TestWithParam<AlignmentCase> {};

TEST_P(AlignmentFindsTest, RatioAndOffset) {
    const std::vector<SubtitleSpan> sentences = Sentences(7, 150);
    const std::vector<std::uint8_t> speech = SpeechOf(sentences, sentences.back().end + 30);
    const SpeechAlignment found =
        AlignToSpeech(speech, Distorted(sentences, GetParam().ratio, GetParam().offset));
    EXPECT_EQ(found.verdict, AlignmentVerdict::Accepted);
    EXPECT_EQ(found.ratio.Scale(), GetParam().ratio.Scale());
    EXPECT_NEAR(found.offset, GetParam().offset, 0.021);
    EXPECT_GT(found.fit, 0.9);
}

INSTANTIATE_TEST_SUITE_P(UsualRatios, AlignmentFindsTest,
                         testing::Values(AlignmentCase{{1, 1}, 0}, AlignmentCase{{23.976, 25}, -12.3},
                                         AlignmentCase{{25, 24}, 300.5}, AlignmentCase{{29.97, 25}, -599.0},
                                         AlignmentCase{{25, 23.976}, 4.07}));

TEST(AlignmentRefusesTest, WhatGivesNoClearMatch) {
    const std::vector<SubtitleSpan> sentences = Sentences(7, 150);
    const std::vector<std::uint8_t> speech = SpeechOf(sentences, sentences.back().end + 30);
    struct Case {
        const char *what;
        std::vector<std::uint8_t> speech;
        std::vector<SubtitleSpan> subtitles;
        AlignmentVerdict verdict;
    };
    const std::vector<Case> cases{
        {"another film", speech, Sentences(99, 150), AlignmentVerdict::Unclear},
        {"no subtitles", speech, {}, AlignmentVerdict::NoSubtitles},
        {"only empty or reversed spans", speech, {{3, 3}, {9, 2}, {NAN, 4}}, AlignmentVerdict::NoSubtitles},
        {"a silent film", std::vector<std::uint8_t>(60000, 0), sentences, AlignmentVerdict::NoSpeech},
        {"speech throughout", std::vector<std::uint8_t>(60000, 1), sentences, AlignmentVerdict::NoSpeech},
    };
    for (const Case &c : cases) {
        const SpeechAlignment found = AlignToSpeech(c.speech, c.subtitles);
        EXPECT_EQ(found.verdict, c.verdict) << c.what;
        EXPECT_LE(std::fabs(found.offset), kLargestOffsetSeconds) << c.what;
    }
}

// A list whose every subtitle stands there a thousand times over, each copy
// ending somewhere within it, aligns as the list does, and in time linear in
// its length: the copies cover the same frames, which are not gone over once
// for each.
TEST(AlignmentOverlapTest, CopiesAlignAsOne) {
    const std::vector<SubtitleSpan> sentences = Sentences(7, 150);
    const std::vector<std::uint8_t> speech = SpeechOf(sentences, sentences.back().end + 30);
    const std::vector<SubtitleSpan> once = Distorted(sentences, {25, 24}, 42.0);
    std::vector<SubtitleSpan> copies;
    for (const SubtitleSpan &span : once) {
        copies.push_back(span);
        for (int k = 1; k < 1000; ++k)
            copies.push_back({span.start, span.start + (span.end - span.start) * k / 1000});
    }
    const SpeechAlignment expected = AlignToSpeech(speech, once);
    const SpeechAlignment found = AlignToSpeech(speech, copies);
    EXPECT_EQ(found.verdict, AlignmentVerdict::Accepted);
    EXPECT_EQ(found.ratio.Scale(), expected.ratio.Scale());
    EXPECT_EQ(found.offset, expected.offset);
    EXPECT_EQ(found.fit, expected.fit);
}

} // namespace
