#include "tools/AviFile.h"
#include "document/NumText.h"
#include "tests/support/AviBuilder.h"
#include "tools/AviReport.h"

#include <gtest/gtest.h>

#include <map>

using avi::Audio;
using avi::Chunk;
using avi::List;
using avi::Riff;
using avi::Video;

namespace {

// Every field of a record in one line.
std::string Summary(const TAVIFileInfo &info) {
    return info.VideoCodec + " " + FloatToStr(info.Width) + "x" + FloatToStr(info.Height) + " " +
           FloatToStr(info.FrameRate) + "fps " + ShortNumber(info.ClipBitRate) + "Kb/s | " + info.AudioCodec +
           " " + IntToStr(info.AudioBitRate) + "kb/s " + IntToStr(info.AudioSampleRate) + "Hz " +
           IntToStr(info.AudioChannels) + "ch | " + ShortNumber(info.FileSize) + "MiB " +
           ShortNumber(info.ClipLength) + "min";
}

struct ReaderCase {
    const char *name;
    std::string bytes;
    AviReadStatus status;
    const char *summary; // of the record read; empty when the status is not Read
};

void PrintTo(const ReaderCase &c, std::ostream *out) {
    *out << c.name;
}

const Video kVideo;
const Audio kAudio;
const std::string kMain = avi::MainHeader(kVideo, 2);
const std::string kVideoList = avi::VideoStream(kVideo);
const std::string kAudioList = avi::AudioStream(kAudio);

std::string WithHeaderList(const std::string &content, std::optional<std::uint32_t> riffSize = std::nullopt) {
    return Riff("AVI ", List("hdrl", content), riffSize);
}

Video VideoWith(std::string handler, std::string compression = "XVID") {
    Video video;
    video.handler = std::move(handler);
    video.compression = std::move(compression);
    return video;
}

TAVIFileInfo Read(const std::string &file) {
    MemoryBytes bytes(file);
    TAVIFileInfo info;
    ReadAviInfo(bytes, "film.avi", info);
    return info;
}

// The usual file is 314 bytes: RIFF size 306, a minute of 25 frames per
// second, 16000 bytes of MP3 a second.
const char *const kUsual =
    "XVID 640x272 25fps -124,96Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 0,00029182MiB 1min";

class AviReading : public testing::TestWithParam<ReaderCase> {};

TEST_P(AviReading, ReadsTheHeader) {
    const ReaderCase &c = GetParam();
    MemoryBytes bytes(c.bytes);
    TAVIFileInfo info;
    ASSERT_EQ(ReadAviInfo(bytes, "film.avi", info), c.status);
    if (c.status == AviReadStatus::Read) {
        EXPECT_EQ(Summary(info), c.summary);
        EXPECT_EQ(info.FileName, "film.avi");
    } else {
        EXPECT_EQ(Summary(info), Summary(TAVIFileInfo{}));
        EXPECT_EQ(info.FileName, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Headers, AviReading,
    testing::Values(
        ReaderCase{"Usual", avi::File(kVideo, kAudio), AviReadStatus::Read, kUsual},
        ReaderCase{"AudioFirst", WithHeaderList(kMain + kAudioList + kVideoList), AviReadStatus::Read,
                   kUsual},
        ReaderCase{"JunkBetweenLists",
                   WithHeaderList(kMain + Chunk("JUNK", "abc") + kVideoList + Chunk("JUNK", "") + kAudioList),
                   AviReadStatus::Read,
                   "XVID 640x272 25fps -124,96Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 0,0003109MiB 1min"},
        ReaderCase{
            "OddChunksBeforeAndInside",
            Riff("AVI ", Chunk("JUNK", "x") +
                             List("hdrl", kMain +
                                              List("strl", Chunk("strn", "odd") +
                                                               avi::StreamHeader("vids", "DX50", 25, 1500)) +
                                              kAudioList)),
            AviReadStatus::Read,
            "DX50 640x272 25fps -124,96Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 0,00026703MiB 1min"},
        ReaderCase{"VideoOnly", avi::File(kVideo, std::nullopt), AviReadStatus::Read,
                   "XVID 640x272 25fps 0,026562Kb/s |  0kb/s 0Hz 0ch | 0,00019455MiB 1min"},
        ReaderCase{"ThreeGiB", WithHeaderList(kMain + kVideoList + kAudioList, 3221225472u),
                   AviReadStatus::Read,
                   "XVID 640x272 25fps 4,1931E+005Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 3072MiB 1min"},
        ReaderCase{
            "OneFrame",
            WithHeaderList(avi::MainHeader({40000, 1, 640, 272, "XVID", "XVID"}, 2) + kVideoList + kAudioList,
                           3221225472u),
            AviReadStatus::Read,
            "XVID 640x272 25fps 6,2915E+008Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 3072MiB 0,00066667min"},
        ReaderCase{"NoFrames", avi::File({40000, 0, 640, 272, "XVID", "XVID"}, kAudio), AviReadStatus::Read,
                   "XVID 640x272 25fps 0Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 0,00029182MiB 0min"},
        ReaderCase{"NoFrameDuration", avi::File({0, 1500, 640, 272, "XVID", "XVID"}, kAudio),
                   AviReadStatus::Read,
                   "XVID 640x272 0fps 0Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 0,00029182MiB 0min"},
        ReaderCase{"FilmRate", avi::File({41708, 143856, 720, 4294967295u, "DIV3", "DIV3"}, std::nullopt),
                   AviReadStatus::Read,
                   "DivX;-) MPEG4 v3 720x4294967295 23,9762155941306fps 0,00026563Kb/s |  0kb/s 0Hz 0ch | "
                   "0,00019455MiB 99,999min"},
        ReaderCase{
            "OpenDmlFrames",
            WithHeaderList(kMain + kVideoList + kAudioList + List("odml", Chunk("dmlh", avi::U32(3000)))),
            AviReadStatus::Read,
            "XVID 640x272 25fps -124,98Kb/s | MPEG Layer 3 128kb/s 44100Hz 2ch | 0,00031471MiB 2min"},
        ReaderCase{"Wave", Riff("WAVE", Chunk("fmt ", "0123456789abcdef")), AviReadStatus::NotAvi, ""},
        ReaderCase{"NoMainHeader", WithHeaderList(kVideoList + kAudioList), AviReadStatus::NotAvi, ""},
        ReaderCase{"NoVideoStream", WithHeaderList(kMain + kAudioList), AviReadStatus::NotAvi, ""},
        ReaderCase{"NoHeaderList", Riff("AVI ", List("movi", "")), AviReadStatus::NotAvi, ""}),
    [](const testing::TestParamInfo<ReaderCase> &info) { return info.param.name; });

// The handler code up to its first NUL, or the compression code where that
// leaves nothing, named by the table; the audio named by its format tag.
TEST(AviReading, CodecNames) {
    const std::pair<Video, const char *> videos[] = {
        {VideoWith("xvid"), "XVID"},
        {VideoWith(std::string("XV\0D", 4)), "XV"},
        {VideoWith(std::string(4, '\0'), "div3"), "DivX;-) MPEG4 v3"},
        {VideoWith("mp43"), "Microsoft MPEG-4 v3"},
    };
    for (const auto &[video, name] : videos)
        EXPECT_EQ(Read(avi::File(video, kAudio)).VideoCodec, name);
    const std::pair<Audio, const char *> audios[] = {
        {{1, 0x0102, 48000, 192000}, "PCM 1500kb/s 48000Hz 2ch"},
        {{85, 2, 44100, 4000}, "MPEG Layer 3 31kb/s 44100Hz 2ch"},
        {{65534, 2, 48000, 0}, "Unknown (65534) 0kb/s 48000Hz 2ch"},
    };
    for (const auto &[audio, description] : audios) {
        const TAVIFileInfo info = Read(avi::File(kVideo, audio));
        EXPECT_EQ(info.AudioCodec + " " + IntToStr(info.AudioBitRate) + "kb/s " +
                      IntToStr(info.AudioSampleRate) + "Hz " + IntToStr(info.AudioChannels) + "ch",
                  description);
    }
}

TEST(AviReading, UsualLayoutPutsTheValuesWhereTheFixedOffsetsAre) {
    const std::string file = avi::File(kVideo, kAudio);
    EXPECT_EQ(file.substr(92, 4), avi::U32(116));
    EXPECT_EQ(file.substr(112, 4), "XVID");
    EXPECT_EQ(file.substr(228, 4), avi::U32(56));
    EXPECT_EQ(file.substr(296, 2), avi::U16(kAudio.tag));
    EXPECT_EQ(file.substr(304, 4), avi::U32(kAudio.bytesPerSecond));
}

// Cut anywhere: before the whole video stream the file is no AVI, before the
// whole audio stream it is one without sound.
TEST(AviReading, TruncatedAtEveryLength) {
    const std::string file =
        Riff("AVI ", List("hdrl", kMain + kVideoList + kAudioList) + List("movi", std::string(100, 'm')));
    const std::size_t videoEnd = 12 + 12 + kMain.size() + kVideoList.size();
    const std::size_t audioEnd = videoEnd + kAudioList.size();
    ASSERT_LT(audioEnd, 400u);
    for (std::size_t length = 0; length <= 400 && length <= file.size(); ++length) {
        MemoryBytes bytes(std::string_view(file).substr(0, length));
        TAVIFileInfo info;
        const AviReadStatus status = ReadAviInfo(bytes, "cut.avi", info);
        EXPECT_EQ(status, length < videoEnd ? AviReadStatus::NotAvi : AviReadStatus::Read) << length;
        EXPECT_EQ(info.AudioCodec, length < audioEnd ? "" : "MPEG Layer 3") << length;
    }
}

// The bytes of a large file: its header and what lies at a few offsets,
// zeros elsewhere.
class SparseBytes : public ByteSource {
public:
    SparseBytes(std::uint64_t size, std::map<std::uint64_t, std::string> pieces)
        : size_(size), pieces_(std::move(pieces)) {}
    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t offset, char *into, std::size_t count) override {
        if (offset > size_ || count > size_ - offset)
            return false;
        std::fill(into, into + count, '\0');
        for (const auto &[at, piece] : pieces_)
            for (std::size_t i = 0; i < count; ++i)
                if (offset + i >= at && offset + i < at + piece.size())
                    into[i] = piece[offset + i - at];
        return true;
    }

private:
    std::uint64_t size_;
    std::map<std::uint64_t, std::string> pieces_;
};

TEST(AviReading, OpenDmlFilmOfSeveralPartsCountsTheWholeFile) {
    const std::uint32_t firstPart = 1000000000;
    const std::string header = WithHeaderList(
        kMain + kVideoList + kAudioList + List("odml", Chunk("dmlh", avi::U32(150000))), firstPart);
    const std::uint64_t fileSize = 3ull << 30;
    SparseBytes film(fileSize, {{0, header}, {8 + firstPart, "RIFF" + avi::U32(100) + "AVIX"}});
    TAVIFileInfo info;
    ASSERT_EQ(ReadAviInfo(film, "long.avi", info), AviReadStatus::Read);
    EXPECT_EQ(ShortNumber(info.FileSize), "3072");
    EXPECT_EQ(ShortNumber(info.ClipLength), "100");
    EXPECT_EQ(ShortNumber(info.ClipBitRate), "4069,3");

    // One part only: the RIFF size stands, whatever follows it.
    SparseBytes single(fileSize, {{0, header}});
    ASSERT_EQ(ReadAviInfo(single, "long.avi", info), AviReadStatus::Read);
    EXPECT_EQ(ShortNumber(info.FileSize), "953,67");
}

TEST(AviReading, FilesByName) {
    TAVIFileInfo info;
    info.VideoCodec = "old";
    EXPECT_EQ(ReadAviInfo("/nonexistent/film.avi", info), AviReadStatus::NoFile);
    EXPECT_EQ(info.VideoCodec, "");
    EXPECT_EQ(ReadAviInfo(testing::TempDir(), info), AviReadStatus::NoFile);
}

// Integer parts in a nominal range give its rate; others round ties to even.
TEST(AviReading, NominalAudioRates) {
    // Bytes per second are kbit/s times 128.
    const std::pair<std::uint32_t, int> cases[] = {
        {4000, 31},   {4032, 32},   {4160, 32},   {7616, 60},   {7680, 64},   {8831, 64},   {8832, 69},
        {11776, 96},  {12927, 96},  {12928, 101}, {13824, 112}, {14975, 112}, {15872, 128}, {17023, 128},
        {17024, 133}, {19968, 160}, {21119, 160}, {23935, 187}, {23936, 192}, {25215, 192}, {25216, 197},
        {27648, 224}, {29311, 224}, {31488, 256}, {33407, 256}, {33408, 261},
    };

    for (const auto &[bytesPerSecond, rate] : cases)
        EXPECT_EQ(AudioBitRate(bytesPerSecond), rate) << bytesPerSecond;
}

} // namespace
