#include "tools/VideoSync.h"
#include "document/NumText.h"
#include "tools/SpeechDetector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct Burst {
    double start;
    double end;
    bool voiced; // a voice's harmonics, or a flat hiss as loud
};

// Sound at the detector's rate: faint noise throughout, and loud bursts.
std::vector<std::int16_t> Sound(const std::vector<Burst> &bursts, double seconds) {
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

const std::vector<Burst> kBursts{{1.0, 2.5, true},    {4.0, 5.2, true},   {7.3, 9.0, true},
                                 {10.0, 11.0, false}, {12.0, 14.6, true}, {16.1, 17.0, true},
                                 {19.0, 21.5, true}};

TEST(SpeechDetectorTest, FindsVoicesNotHiss) {
    const std::vector<std::int16_t> sound = Sound(kBursts, 24);
    SpeechDetector detector;
    for (std::size_t at = 0; at < sound.size(); at += 1000)
        detector.Feed(sound.data() + at, std::min<std::size_t>(1000, sound.size() - at));
    const std::vector<std::uint8_t> mask = detector.Finish();
    ASSERT_GE(mask.size(), 2390u);
    for (const Burst &burst : kBursts) {
        const auto first = static_cast<std::size_t>(burst.start * 100);
        const auto last = static_cast<std::size_t>(burst.end * 100);
        // Within 30 ms of each edge, the bursts' inside all speech or all not.
        for (std::size_t frame = first + 3; frame < last - 3; ++frame)
            ASSERT_EQ(mask[frame], burst.voiced ? 1 : 0) << "frame " << frame;
        EXPECT_EQ(mask[first - 3], 0) << "before " << burst.start;
        EXPECT_EQ(mask[last + 3], 0) << "after " << burst.end;
    }
}

// A video whose facts and sound the test gives.
class FakeMedia : public MediaSource {
public:
    MediaFacts facts{24, 25.0, true, true};
    MediaOutcome describe{true, {}};
    std::vector<std::int16_t> sound = Sound(kBursts, 24);

    MediaOutcome Describe(const std::string &, MediaFacts &out) override {
        out = facts;
        return describe;
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
TextList LateList() {
    TextList list;
    for (const Burst &burst : kBursts)
        if (burst.voiced)
            list.Add("{" + std::to_string(std::lround((burst.start + 2) * 25)) + "}{" +
                     std::to_string(std::lround((burst.end + 2) * 25)) + "}text");
    return list;
}

TEST(VideoSyncTest, FillsTheBoxesWithTheFoundRateAndDelay) {
    FakeMedia media;
    std::vector<int> percents;
    const VideoSyncResult result = SyncToVideo(LateList(), 25, media, "film.mkv", [&](int percent) {
        percents.push_back(percent);
        return true;
    });
    ASSERT_TRUE(result.accepted) << result.message;
    EXPECT_EQ(result.rateText, "25");
    // Within two frames of 10 ms: the mask and the list meet only at whole frames.
    EXPECT_NEAR(static_cast<double>(StrToFloat(result.delayText)), 2.0, 0.021) << result.delayText;
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.back(), 100);
}

TEST(VideoSyncTest, StopsWithAReason) {
    struct Case {
        const char *what;
        void (*arrange)(FakeMedia &);
        bool cancel;
        std::string message;
    };
    const std::vector<Case> cases{
        {"unreadable",
         [](FakeMedia &m) {
             m.describe = {false, "film.mkv: not a video"};
         },
         false, "film.mkv: not a video"},
        {"no pictures", [](FakeMedia &m) { m.facts.hasVideo = false; }, false, "film.mkv is not a video"},
        {"no sound", [](FakeMedia &m) { m.facts.hasAudio = false; }, false,
         "film.mkv has no sound to sync to"},
        {"silence", [](FakeMedia &m) { m.sound = Sound({}, 24); }, false, "no speech was found in the video"},
        {"cancelled", [](FakeMedia &) {}, true, "the sync was cancelled"},
    };
    for (const Case &c : cases) {
        FakeMedia media;
        c.arrange(media);
        const VideoSyncResult result =
            SyncToVideo(LateList(), 25, media, "film.mkv", [&](int) { return !c.cancel; });
        EXPECT_FALSE(result.accepted) << c.what;
        EXPECT_EQ(result.message, c.message) << c.what;
    }
}

TEST(VideoSyncTest, BoxTexts) {
    EXPECT_EQ(SyncedRateText(25, {23.976, 25}), "23,976");
    EXPECT_EQ(SyncedRateText(23.976L, {25, 23.976}), "25");
    EXPECT_EQ(SyncedRateText(25, {25, 24}), "26,0416666666667");
    EXPECT_EQ(SyncedDelayText(-2.4), "2,40");
    EXPECT_EQ(SyncedDelayText(0.005), "-0,01");
}

} // namespace
