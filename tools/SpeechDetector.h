#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Finds where a film speaks, in frames of 10 ms, from its sound as mono
// 16-bit samples at kSpeechSampleRate. Samples arrive in pieces of any size as
// the decoder hands them over; the decision waits for the whole film, since
// what counts as loud depends on the film's own noise floor.
//
// CHOICE: an energy and spectral measure of our own rather than a packaged
// detector. A frame speaks when the energy of the voice band (300 to 3400 Hz)
// stands well above the film's quiet level and that band is not flat (voiced
// speech has harmonics, hiss and most noise do not). Short gaps between words
// are bridged and isolated clicks dropped.
inline constexpr int kSpeechSampleRate = 8000;
inline constexpr double kSpeechFrameSeconds = 0.01;

class SpeechDetector {
public:
    SpeechDetector();
    ~SpeechDetector();
    SpeechDetector(const SpeechDetector &) = delete;
    SpeechDetector &operator=(const SpeechDetector &) = delete;

    void Feed(const std::int16_t *samples, std::size_t count);
    // One byte per 10 ms frame heard so far: 1 where speech is, 0 elsewhere.
    std::vector<std::uint8_t> Finish() const;

private:
    struct Analysis;
    void AnalyseFrame();

    std::unique_ptr<Analysis> analysis_;
    std::vector<float> window_; // the latest samples, one analysis window long
    std::size_t filled_ = 0;    // samples in window_ so far
    std::size_t sinceFrame_;    // samples since the last frame was analysed
    std::vector<float> bandLevel_;
    std::vector<float> flatness_;
};

// The speech mask's rules without the sound: which frames of given levels
// (in decibels) and band flatness (0 tonal to 1 flat) speak.
std::vector<std::uint8_t> DecideSpeech(const std::vector<float> &bandLevel,
                                       const std::vector<float> &flatness);
