#include "tools/AviReport.h"

#include "document/NumText.h"

namespace {

constexpr const char *kRule = "--------------------------------";

} // namespace

std::string ShortNumber(Extended value) {
    return FloatToStrGeneral(value, 5, 3);
}

// NOTE: the report's lines end with LF CR, the reverse of the usual pair.
std::string AviReport(const TAVIFileInfo &info) {
    std::string text;
    text.reserve(512);
    text += "Info:\n\r";
    text += kRule;
    text += "\n\rVideoCodec: " + info.VideoCodec + "\n\r";
    text += "Resolution: " + FloatToStr(info.Width) + "x" + FloatToStr(info.Height) + "\n\r";
    text += "Framerate: " + FloatToStr(info.FrameRate) + " fps\n\r";
    text += "ClipBitrate: " + ShortNumber(info.ClipBitRate) + " Kb/s" + "\n\r";
    text += kRule;
    text += "\n\r";
    text += "Audio Codec: " + info.AudioCodec + "\n\r";
    text += "AudioBitRate: " + ShortNumber(info.AudioBitRate) + " kb/s\n\r";
    text += "AudioSampleRate: " + ShortNumber(static_cast<Extended>(info.AudioSampleRate) / 1000) + " Mhz" +
            "\n\r";
    text += "AudioChannelCnt: " + ShortNumber(info.AudioChannels) + "\n\r";
    text += kRule;
    text += "\n\r";
    text += "FileSize: " + ShortNumber(info.FileSize) + " Mb" + "\n\r";
    text += "ClipLength: " + ShortNumber(info.ClipLength) + " min\n\r";
    return text;
}
