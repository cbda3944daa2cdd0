#include "tools/FilmInfo.h"
#include "document/MessageTable.h"
#include "tests/support/AviBuilder.h"
#include "tests/support/SpeechMedia.h"
#include "tests/tools/ToolTesting.h"
#include "tools/VideoOpenFilter.h"

#include <gtest/gtest.h>

namespace {

const MediaFacts kNtscMkv{"Matroska", 5,
                          VideoFacts{"H.264 (High Profile)", 1920, 1080, FrameRateFraction{24000, 1001}},
                          AudioFacts{"MPEG-4 AAC", 2, 48000}};

TEST(FilmFactsLines, OneFactALine) {
    struct Case {
        MediaFacts facts;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {kNtscMkv,
         {"Container: Matroska", "Video: H.264 (High Profile) 1920x1080", "Frame rate: 23,976",
          "Duration: 00:00:05,000", "Audio: MPEG-4 AAC, 2 channels, 48000 Hz"}},
        // A bare stream with a variable rate and no sound; 62,5 ms rounds to the even 62.
        {{"", 0.0625, VideoFacts{"MPEG-2 Video", 720, 576, std::nullopt}, std::nullopt},
         {"Container: none", "Video: MPEG-2 Video 720x576", "Frame rate: unknown", "Duration: 00:00:00,062",
          "Audio: none"}},
        // Hours past a day stay hours; past 24 days the milliseconds no longer count.
        {{"WebM", 90061.5, VideoFacts{"VP9", 160, 120, FrameRateFraction{30, 1}}, std::nullopt},
         {"Container: WebM", "Video: VP9 160x120", "Frame rate: 30,000", "Duration: 25:01:01,500",
          "Audio: none"}},
        {{"WebM", 3e6, std::nullopt, AudioFacts{"Opus", 1, 48000}},
         {"Container: WebM", "Video: none", "Frame rate: unknown", "Duration: 833:20:00,000",
          "Audio: Opus, 1 channels, 48000 Hz"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FilmFactsLines(c.facts), c.lines) << c.lines.front();
}

class FilmTools : public ToolsTest {
protected:
    SpeechMedia media;
    const std::string film = WriteToolFile("film.mkv", "matroska bytes");

    FilmTools() {
        media.facts = kNtscMkv;
        form.Media = &media;
        form.Form2.Media = &media;
    }
};

// Any film: its facts in the box, and its exact rate in the rate box on Yes.
TEST_F(FilmTools, AviInfoTellsAnyFilmAndOffersItsRate) {
    fake.dialogs.AnswerYes();
    ClickAviInfo(film);
    const std::string facts = "Container: Matroska\n\rVideo: H.264 (High Profile) 1920x1080\n\r"
                              "Frame rate: 23,976\n\rDuration: 00:00:05,000\n\r"
                              "Audio: MPEG-4 AAC, 2 channels, 48000 Hz\n\r";
    EXPECT_EQ(fake.dialogs.Messages(), std::vector<std::string>{facts});
    EXPECT_EQ(form.Combobox2.Text, "23,976023976024");

    // An AVI keeps its header's report and rate, with the facts after it.
    const std::string avi = WriteToolFile("film.avi", avi::File(avi::Video{}, std::nullopt));
    fake.dialogs.AnswerYes();
    ClickAviInfo(avi);
    const std::string report = fake.dialogs.Messages().at(1);
    EXPECT_TRUE(report.starts_with("Info:\n\r")) << report;
    EXPECT_TRUE(report.ends_with(" min\n\r--------------------------------\n\r" + facts)) << report;
    EXPECT_EQ(form.Combobox2.Text, "25");

    // Neither an AVI nor a film: as before, and nothing is asked.
    media.describeError = film + ": not a video the media library can read";
    ClickAviInfo(film);
    EXPECT_EQ(fake.dialogs.Messages().back(), "No AVI Information");
    EXPECT_EQ(form.Combobox2.Text, "25");
}

TEST_F(FilmTools, PreviewDescribesAnyFilm) {
    Play(film);
    EXPECT_EQ(form.Form2.Label3.Caption, "H.264 (High Profile) (1920x1080) - 23,976 fps");
    EXPECT_EQ(form.Form2.Label4.Caption, "MPEG-4 AAC");
    media.facts.video->frameRate.reset();
    media.facts.audio.reset();
    Play(film);
    EXPECT_EQ(form.Form2.Label3.Caption, "H.264 (High Profile) (1920x1080)");
    EXPECT_EQ(form.Form2.Label4.Caption, "");
}

// The preview's open dialog follows the interface language.
TEST_F(FilmTools, PreviewFilterInTheLanguage) {
    form.Run(&TForm1::Ingls1Click);
    EXPECT_EQ(form.Form2.OpenDialog1.Filter,
              "Video Files|*.avi;*.mkv;*.mp4;*.m4v;*.mov;*.webm;*.mpg;*.mpeg;*.ts;*.vob;*.ogv;*.wmv"
              "|DivX, XViD & AVI|*.avi|All Files|*.*");
    form.Run(&TForm1::Espanhol2Click);
    EXPECT_TRUE(form.Form2.OpenDialog1.Filter.starts_with("Archivos de vídeo|*.avi;*.mkv;"));
    EXPECT_TRUE(form.Form2.OpenDialog1.Filter.ends_with("|Todos Archivos|*.*"));
}

} // namespace
