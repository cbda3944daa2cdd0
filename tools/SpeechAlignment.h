#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Lays a subtitle list's on/off pattern over a film's speech: the scale
// among the usual frame-rate ratios and the offset, found by cross-correlation
// over +-10 minutes, and whether that alignment clearly beats every other.

// One subtitle's span in seconds, as the list times it now.
struct SubtitleSpan {
    double start;
    double end;
};

// A scale as the ratio of two frame rates: times become times * to / from.
struct RateRatio {
    double from;
    double to;
    double Scale() const { return to / from; }
};

// The ratios tried: the same rate and the usual conversions between 23.976,
// 24, 25, 29.97 and 30, each both ways.
const std::vector<RateRatio> &UsualRateRatios();

inline constexpr double kLargestOffsetSeconds = 600.0;

enum class AlignmentVerdict { Accepted, NoSubtitles, NoSpeech, Unclear };

struct SpeechAlignment {
    AlignmentVerdict verdict = AlignmentVerdict::NoSubtitles;
    RateRatio ratio{1.0, 1.0};
    // Seconds added to every scaled time; within +-kLargestOffsetSeconds.
    double offset = 0.0;
    // How much of the subtitles' time lies on speech beyond chance, 1 for a
    // perfect fit, for the best alignment and the best one that differs from it.
    double fit = 0.0;
    double rivalFit = 0.0;
};

// `speech` holds one byte per 10 ms frame of the film, nonzero where it speaks.
SpeechAlignment AlignToSpeech(const std::vector<std::uint8_t> &speech,
                              const std::vector<SubtitleSpan> &subtitles);
