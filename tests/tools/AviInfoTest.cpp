#include "document/MessageTable.h"
#include "tests/support/AviBuilder.h"
#include "tests/tools/ToolTesting.h"
#include "tools/AviReport.h"

#include <gtest/gtest.h>

namespace {

using Kind = ShownBox::Kind;

const avi::Video kVideo;
// The average of the MP3 example, 31 kbit/s.
const avi::Audio kMp3{85, 2, 44100, 4000};

using AviInfoButton = ToolsTest;

TEST_F(AviInfoButton, ReportsAndPutsTheRateInTheBoxOnYes) {
    const std::string file = WriteToolFile("usual.avi", avi::File(kVideo, kMp3));
    fake.dialogs.AnswerYes();
    ClickAviInfo(file);
    const std::string report = "Info:\n\r--------------------------------\n\r"
                               "VideoCodec: XVID\n\r"
                               "Resolution: 640x272\n\r"
                               "Framerate: 25 fps\n\r"
                               "ClipBitrate: -31,21 Kb/s\n\r"
                               "--------------------------------\n\r"
                               "Audio Codec: MPEG Layer 3\n\r"
                               "AudioBitRate: 31 kb/s\n\r"
                               "AudioSampleRate: 44,1 Mhz\n\r"
                               "AudioChannelCnt: 2\n\r"
                               "--------------------------------\n\r"
                               "FileSize: 0,00029182 Mb\n\r"
                               "ClipLength: 1 min\n\r";
    const std::vector<ShownBox> expected{{Kind::OpenDialog, ""},
                                         {Kind::Message, report},
                                         {Kind::Confirmation, MessageText(MessageRow::PutInFps, 1)}};
    EXPECT_EQ(fake.dialogs.Boxes(), expected);
    EXPECT_EQ(fake.dialogs.LastFileDialog().Filter, "DivX, XviD, AVI|*.avi|All Files|*.*");
    EXPECT_EQ(form.Combobox2.Text, "25");
}

TEST_F(AviInfoButton, ReportOfAOneFrameFilmWithoutSound) {
    const std::string header = avi::HeaderList({40000, 1, 320, 240, "DX50", "DX50"}, std::nullopt);
    const std::string file = WriteToolFile("oneframe.avi", avi::Riff("AVI ", header, 3221225472u));
    fake.dialogs.AnswerNo();
    ClickAviInfo(file);
    EXPECT_EQ(fake.dialogs.Messages().at(0), "Info:\n\r--------------------------------\n\r"
                                             "VideoCodec: DX50\n\r"
                                             "Resolution: 320x240\n\r"
                                             "Framerate: 25 fps\n\r"
                                             "ClipBitrate: 6,2915E+008 Kb/s\n\r"
                                             "--------------------------------\n\r"
                                             "Audio Codec: \n\r"
                                             "AudioBitRate: 0 kb/s\n\r"
                                             "AudioSampleRate: 0 Mhz\n\r"
                                             "AudioChannelCnt: 0\n\r"
                                             "--------------------------------\n\r"
                                             "FileSize: 3072 Mb\n\r"
                                             "ClipLength: 0,00066667 min\n\r");
    EXPECT_EQ(form.Combobox2.Text, "25,000");
}

TEST_F(AviInfoButton, NothingToReport) {
    ClickAviInfo(std::nullopt);
    ClickAviInfo(WriteToolFile("gone.avi", "") + ".missing");
    ClickAviInfo(WriteToolFile("sound.wav", avi::Riff("WAVE", avi::Chunk("fmt ", "0123456789abcdef"))));
    EXPECT_EQ(fake.dialogs.Messages(),
              (std::vector<std::string>{"No AVI Information", "No AVI Information"}));
    EXPECT_EQ(fake.dialogs.Boxes().size(), 5u);
    EXPECT_EQ(form.Combobox2.Text, "25,000");
}

TEST_F(AviInfoButton, NoQuestionWithoutAFrameRate) {
    ClickAviInfo(WriteToolFile("norate.avi", avi::File({0, 1500, 640, 272, "XVID", "XVID"}, kMp3)));
    EXPECT_EQ(fake.dialogs.Boxes().back().kind, Kind::Message);
    EXPECT_EQ(fake.dialogs.Boxes().size(), 2u);
}

} // namespace
