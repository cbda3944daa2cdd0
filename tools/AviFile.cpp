#include "tools/AviFile.h"

#include "document/NumText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

// An AVI file is a RIFF file of form "AVI ": chunks of a four-character
// identifier, a 32-bit little-endian size and that many bytes of data,
// padded to an even length. A "LIST" chunk starts with its list type and
// holds chunks of its own. The header list "hdrl" holds the main header
// "avih" and one stream list "strl" per stream, each with its stream header
// "strh" and format "strf"; files over 1 GiB (OpenDML) add an "odml" list
// with the film's whole frame count in "dmlh" and further "RIFF" parts of
// form "AVIX" after the first.

namespace {

// A real header has a few dozen chunks; the walk stops long after that, so
// a file of endless tiny chunks cannot keep it reading.
constexpr int kMostChunks = 4096;
constexpr std::size_t kShortString = 32;
constexpr std::uint32_t kMainHeaderSize = 40;
constexpr std::uint32_t kStreamHeaderSize = 8;
constexpr std::uint32_t kBitmapHeaderSize = 20;
constexpr std::uint32_t kWaveFormatSize = 12;

struct Chunk {
    std::string id;
    std::uint64_t data = 0;
    std::uint32_t size = 0;
    std::uint64_t end = 0; // where its data ends, or where the file or the enclosing list is cut
    bool Whole() const { return end == data + size; }
};

// Reads little-endian values. The walk checks every chunk against the
// source's end before anything reads inside it; a value the source still
// cannot give (a failing disk) reads as 0.
class RiffReader {
public:
    explicit RiffReader(ByteSource &bytes) : bytes_(bytes) {}

    std::uint32_t U32(std::uint64_t offset) { return Number<4>(offset); }
    std::uint16_t U16(std::uint64_t offset) { return static_cast<std::uint16_t>(Number<2>(offset)); }
    // Four characters, or nothing when they are not all there.
    std::string FourCC(std::uint64_t offset) {
        std::array<char, 4> code{};
        return bytes_.ReadAt(offset, code.data(), code.size()) ? std::string(code.data(), code.size())
                                                               : std::string();
    }

    // Calls visit for each chunk from `from` up to `to`, until it returns
    // false. A chunk that runs past `to` (the end of the file or of its list)
    // is cut and is the last one; a cut chunk counts as absent, but a list
    // that is cut still holds the whole chunks before the cut.
    template <class Visit> void Walk(std::uint64_t from, std::uint64_t to, Visit visit) {
        std::uint64_t offset = from;
        while (offset + 8 <= to && visited_ < kMostChunks) {
            std::array<char, 8> head{};
            if (!bytes_.ReadAt(offset, head.data(), head.size()))
                return;
            Chunk chunk{std::string(head.data(), 4), offset + 8, U32(offset + 4), 0};
            chunk.end = std::min<std::uint64_t>(chunk.data + chunk.size, to);
            ++visited_;
            if (!visit(chunk) || !chunk.Whole())
                return;
            offset = chunk.data + chunk.size + (chunk.size & 1);
        }
    }

    // The chunks of a list, after its list type.
    template <class Visit> void WalkList(const Chunk &list, Visit visit) {
        Walk(list.data + 4, list.end, visit);
    }

    bool IsList(const Chunk &chunk, std::string_view type) {
        return chunk.id == "LIST" && chunk.end >= chunk.data + 4 && FourCC(chunk.data) == type;
    }

    // A whole list of the type: a cut one counts as absent.
    bool IsWholeList(const Chunk &chunk, std::string_view type) {
        return chunk.Whole() && IsList(chunk, type);
    }

private:
    template <std::size_t N> std::uint32_t Number(std::uint64_t offset) {
        std::array<char, N> raw{};
        if (!bytes_.ReadAt(offset, raw.data(), N))
            return 0;
        std::uint32_t value = 0;
        for (std::size_t i = N; i-- > 0;)
            value = value << 8 | static_cast<unsigned char>(raw[i]);
        return value;
    }

    ByteSource &bytes_;
    int visited_ = 0;
};

struct MainHeader {
    std::uint32_t microSecondsPerFrame = 0;
    std::uint32_t totalFrames = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

struct AudioFormat {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t bytesPerSecond = 0;
};

struct Header {
    std::optional<MainHeader> main;
    std::optional<std::uint32_t> openDmlFrames;
    std::optional<std::string> videoCodec; // the FourCC that names the video's codec
    std::optional<AudioFormat> audio;
};

// A FourCC as text: it ends at its first NUL.
std::string CodeText(const std::string &code) {
    return code.substr(0, code.find('\0'));
}

struct CodecName {
    std::string_view code;
    std::string_view name;
};

constexpr std::array<CodecName, 11> kVideoCodecs{{
    {"div2", "MS MPEG4 v2"},
    {"DIV2", "MS MPEG4 v2"},
    {"div3", "DivX;-) MPEG4 v3"},
    {"DIV3", "DivX;-) MPEG4 v3"},
    {"div4", "DivX;-) MPEG4 v4"},
    {"DIV4", "DivX;-) MPEG4 v4"},
    {"div5", "DivX;-) MPEG4 v5"},
    {"DIV5", "DivX;-) MPEG4 v5"},
    {"divx", "DivX 4"},
    {"mp43", "Microsoft MPEG-4 v3"},
    {"xvid", "XVID"},
}};

struct AudioName {
    std::uint16_t tag;
    std::string_view name;
};

constexpr std::array<AudioName, 5> kAudioCodecs{{
    {0, "PCM"},
    {1, "PCM"},
    {85, "MPEG Layer 3"},
    {353, "DivX;-) Audio"},
    {8192, "AC3-Digital"},
}};

struct NominalRate {
    int from;
    int to;
    int rate;
};

// CHOICE: each range around a rate the encoders offer gives that rate.
constexpr std::array<NominalRate, 8> kNominalRates{{
    {60, 68, 64},
    {92, 100, 96},
    {108, 116, 112},
    {124, 132, 128},
    {156, 164, 160},
    {187, 196, 192},
    {216, 228, 224},
    {246, 260, 256},
}};

std::string VideoCodecName(const std::string &code) {
    const auto known = std::find_if(kVideoCodecs.begin(), kVideoCodecs.end(),
                                    [&](const CodecName &entry) { return entry.code == code; });
    return known == kVideoCodecs.end() ? code : std::string(known->name);
}

std::string AudioCodecName(std::uint16_t tag) {
    const auto known = std::find_if(kAudioCodecs.begin(), kAudioCodecs.end(),
                                    [&](const AudioName &entry) { return entry.tag == tag; });
    return known == kAudioCodecs.end() ? "Unknown (" + IntToStr(tag) + ")" : std::string(known->name);
}

std::string ShortString(std::string text) {
    text.resize(std::min(text.size(), kShortString));
    return text;
}

// One stream list: a video stream gives its codec, an audio stream its format.
void ReadStream(RiffReader &riff, const Chunk &list, Header &header) {
    std::string type;
    std::string handler;
    std::optional<Chunk> format;
    riff.WalkList(list, [&](const Chunk &chunk) {
        if (chunk.id == "strh" && type.empty() && chunk.Whole() && chunk.size >= kStreamHeaderSize) {
            type = riff.FourCC(chunk.data);
            handler = riff.FourCC(chunk.data + 4);
        } else if (chunk.id == "strf" && !format && chunk.Whole()) {
            format = chunk;
        }
        return true;
    });
    if (type == "vids" && !header.videoCodec) {
        std::string code = CodeText(handler);
        // Many writers leave the handler empty; the format's compression code names the codec then.
        if (code.empty() && format && format->size >= kBitmapHeaderSize)
            code = CodeText(riff.FourCC(format->data + 16));
        header.videoCodec = code;
    } else if (type == "auds" && !header.audio && format && format->size >= kWaveFormatSize) {
        header.audio = AudioFormat{riff.U16(format->data), riff.U16(format->data + 2),
                                   riff.U32(format->data + 4), riff.U32(format->data + 8)};
    }
}

void ReadHeaderList(RiffReader &riff, const Chunk &list, Header &header) {
    riff.WalkList(list, [&](const Chunk &chunk) {
        if (chunk.id == "avih" && !header.main && chunk.Whole() && chunk.size >= kMainHeaderSize) {
            header.main = MainHeader{riff.U32(chunk.data), riff.U32(chunk.data + 16),
                                     riff.U32(chunk.data + 32), riff.U32(chunk.data + 36)};
        } else if (riff.IsWholeList(chunk, "strl")) {
            ReadStream(riff, chunk, header);
        } else if (riff.IsList(chunk, "odml")) {
            riff.WalkList(chunk, [&](const Chunk &inner) {
                if (inner.id == "dmlh" && inner.Whole() && inner.size >= 4)
                    header.openDmlFrames = riff.U32(inner.data);
                return !header.openDmlFrames;
            });
        }
        return true;
    });
}

// A film of more than one RIFF part ("AVIX" after the first) counts every
// part: its size is the file's. A single part keeps the RIFF size.
Extended FilmBytes(RiffReader &riff, ByteSource &bytes, std::uint32_t riffSize) {
    const std::uint64_t next = 8 + static_cast<std::uint64_t>(riffSize) + (riffSize & 1);
    if (riff.FourCC(next) == "RIFF" && riff.FourCC(next + 8) == "AVIX")
        return static_cast<Extended>(bytes.Size());
    return riffSize;
}

} // namespace

int AudioBitRate(std::uint32_t bytesPerSecond) {
    const Extended kbits = static_cast<Extended>(bytesPerSecond) / 1024 * 8;
    const Extended whole = Trunc(kbits);
    for (const NominalRate &range : kNominalRates)
        if (whole >= range.from && whole <= range.to)
            return range.rate;
    return static_cast<int>(RoundHalfEven(kbits));
}

AviReadStatus ReadAviInfo(ByteSource &bytes, const std::string &fileName, TAVIFileInfo &info) {
    info = TAVIFileInfo{};
    RiffReader riff(bytes);
    if (riff.FourCC(8) != "AVI ")
        return AviReadStatus::NotAvi;
    const std::uint32_t riffSize = riff.U32(4);

    Header header;
    riff.Walk(12, bytes.Size(), [&](const Chunk &chunk) {
        if (!riff.IsList(chunk, "hdrl"))
            return true;
        ReadHeaderList(riff, chunk, header);
        return false;
    });
    if (!header.main || !header.videoCodec)
        return AviReadStatus::NotAvi;

    const MainHeader &main = *header.main;
    const AudioFormat audio = header.audio.value_or(AudioFormat{});
    const Extended filmBytes = FilmBytes(riff, bytes, riffSize);
    const Extended frames = header.openDmlFrames.value_or(main.totalFrames);
    // CHOICE: a header without a frame duration or without frames has no
    // rate or playing time; what would divide by them shows 0.
    const Extended frameRate = main.microSecondsPerFrame == 0 ? 0 : 1000000.0L / main.microSecondsPerFrame;
    const Extended seconds = frameRate == 0 ? 0 : frames / frameRate;

    info.FileName = fileName;
    info.FileSize = static_cast<double>(filmBytes / 1024 / 1024);
    info.ClipLength = static_cast<double>(seconds / 60);
    info.VideoCodec = ShortString(VideoCodecName(*header.videoCodec));
    // The whole stream's bytes per second less the audio's.
    info.ClipBitRate =
        seconds == 0 ? 0 : static_cast<double>((filmBytes / seconds - audio.bytesPerSecond) / 1024 * 8);
    info.Width = main.width;
    info.Height = main.height;
    info.FrameRate = static_cast<double>(frameRate);
    if (header.audio) {
        info.AudioCodec = ShortString(AudioCodecName(audio.tag));
        info.AudioBitRate = AudioBitRate(audio.bytesPerSecond);
        info.AudioSampleRate = audio.samplesPerSecond;
        info.AudioChannels = static_cast<std::uint8_t>(audio.channels & 0xFF);
    }
    return AviReadStatus::Read;
}

AviReadStatus ReadAviInfo(const std::string &fileName, TAVIFileInfo &info) {
    info = TAVIFileInfo{};
    const std::unique_ptr<FileBytes> file = FileBytes::Open(fileName);
    if (!file)
        return AviReadStatus::NoFile;
    return ReadAviInfo(*file, fileName, info);
}
