#include "tools/VideoSync.h"
#include "document/NumText.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/SpeechMedia.h"
#include "tools/SpeechDetector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

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

TEST(VideoSyncTest, FillsTheBoxesWithTheFoundRateAndDelay) {
    SpeechMedia media;
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
        void (*arrange)(SpeechMedia &);
        bool cancel;
        std::string message;
    };
    const std::vector<Case> cases{
        {"unreadable", [](SpeechMedia &m) { m.describeError = "film.mkv: not a video"; }, false,
         "film.mkv: not a video"},
        {"no pictures", [](SpeechMedia &m) { m.facts.video.reset(); }, false, "film.mkv is not a video"},
        {"no sound", [](SpeechMedia &m) { m.facts.audio.reset(); }, false,
         "film.mkv has no sound to sync to"},
        {"silence", [](SpeechMedia &m) { m.sound = Sound({}, 24); }, false,
         "no speech was found in the video"},
        {"cancelled", [](SpeechMedia &) {}, true, "the sync was cancelled"},
    };
    for (const Case &c : cases) {
        SpeechMedia media;
        c.arrange(media);
        const VideoSyncResult result =
            SyncToVideo(LateList(), 25, media, "film.mkv", [&](int) { return !c.cancel; });
        EXPECT_FALSE(result.accepted) << c.what;
        EXPECT_EQ(result.message, c.message) << c.what;
    }
}

// The window's command asks for the video only when the rate box can time the
// list, fills both boxes and says what changed; a refused match changes nothing.
TEST(VideoSyncTest, WindowCommand) {
    struct Case {
        const char *rate;
        bool silent;
        std::vector<std::string> messages; // "" stands for the found delay's report
        const char *rateAfter;
    };
    const std::vector<Case> cases{
        {"25", false, {""}, "25"},
        {"25", true, {"no speech was found in the video"}, "25"},
        {"fast", false, {"the frame rate 'fast' cannot time the list"}, "fast"},
    };
    for (const Case &c : cases) {
        FakePlatform fake;
        TForm1 form(fake.platform);
        SpeechMedia media;
        if (c.silent)
            media.sound = Sound({}, 24);
        form.Media = &media;
        form.SubtitleList().Assign(LateList());
        form.Combobox2.Text = c.rate;
        form.AtrasoEdit.Text = "0";
        if (c.rate == std::string("25"))
            fake.dialogs.ChooseFile("film.mkv");
        form.Run(&TForm1::SincronizarVideo1Click);

        EXPECT_EQ(form.Combobox2.Text, c.rateAfter) << c.rate;
        std::vector<std::string> expected = c.messages;
        if (expected == std::vector<std::string>{""}) {
            EXPECT_NEAR(static_cast<double>(StrToFloat(form.AtrasoEdit.Text)), 2.0, 0.021);
            expected = {"rate 25 -> 25, delay 0 -> +" + form.AtrasoEdit.Text + " s"};
        } else {
            EXPECT_EQ(form.AtrasoEdit.Text, "0");
        }
        EXPECT_EQ(fake.dialogs.Messages(), expected) << c.rate;
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
