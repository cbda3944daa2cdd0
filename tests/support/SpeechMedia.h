#pragma once

#include "document/TextList.h"
#include "media/MediaSource.h"
#include "tools/SpeechDetector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

// A film made in memory for the sync: bursts of voice (or hiss) over faint
// noise, and a list of subtitles for it that runs late.

struct Burst {
    double start;
    double end;
    bool voiced; // a voice's harmonics, or a flat hiss as loud
};

// Sound at the detector's rate: faint noise throughout, and loud bursts.
inline std::vector<std::int16_t> Sound(const std::vector<Burst> &bursts, double seconds) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * kSpeechSampleRate));
    unsigned noise = 1;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kSpeechSampleRate;
        noise = noise * 1103515245u + 12345u;
        double value = ((noise >> 16) % 2001 - 1000.0) / 1000.0 * 0.005;
        for (const Burst &burst : bursts) {
            if (t < burst.start || t >= burst.end)
                continue;
            if (burst.voiced)
                for (int harmonic = 1; harmonic * 140 < 3400; ++harmonic)
                    value += 0.3 / harmonic * std::sin(2 * std::numbers::pi * 140 * harmonic * t);
            else
                value += ((noise >> 8) % 2001 - 1000.0) / 1000.0 * 0.5;
        }
        samples[i] = static_cast<std::int16_t>(std::clamp(value, -1.0, 1.0) * 32000);
    }
    return samples;
}

inline const std::vector<Burst> kBursts{{1.0, 2.5, true},    {4.0, 5.2, true},   {7.3, 9.0, true},
                                        {10.0, 11.0, false}, {12.0, 14.6, true}, {16.1, 17.0, true},
                                        {19.0, 21.5, true}};

// A video whose facts and sound the test gives.
class SpeechMedia : public MediaSource {
public:
    MediaFacts facts{"Matroska", 24, VideoFacts{"H.264", 640, 360, FrameRateFraction{25, 1}},
                     AudioFacts{"Opus", 2, 48000}};
    std::optional<std::string> describeError; // thrown as a MediaError when set
    std::vector<std::int16_t> sound = Sound(kBursts, 24);

    MediaFacts Describe(const std::string &) override {
        if (describeError)
            throw MediaError(*describeError);
        return facts;
    }
    MediaOutcome DecodeAudio(const std::string &, int sampleRate, AudioReceiver &receiver) override {
        EXPECT_EQ(sampleRate, kSpeechSampleRate);
        for (std::size_t at = 0; at < sound.size(); at += 4000) {
            const std::size_t count = std::min<std::size_t>(4000, sound.size() - at);
            if (!receiver.Receive(sound.data() + at, count, static_cast<double>(at + count) / sampleRate))
                break;
        }
        return {true, {}};
    }
};

// The voiced bursts as a list at 25 fps, every subtitle 2 s late.
inline TextList LateList() {
    TextList list;
    for (const Burst &burst : kBursts)
        if (burst.voiced)
            list.Add("{" + std::to_string(std::lround((burst.start + 2) * 25)) + "}{" +
                     std::to_string(std::lround((burst.end + 2) * 25)) + "}text");
    return list;
}
