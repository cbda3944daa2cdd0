#pragma once

#include "tools/ByteSource.h"

#include <cstdint>
#include <string>

// What the header of an AVI file tells about the film.
struct TAVIFileInfo {
    std::string FileName;
    double FileSize = 0;    // in MiB
    double ClipLength = 0;  // playing time in minutes
    std::string VideoCodec; // codec name or FourCC of the video stream, at most 32 characters
    double ClipBitRate = 0; // video kbit/s, 1 kbit = 1024 bits
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    double FrameRate = 0;   // frames per second
    std::string AudioCodec; // empty for a film without sound
    int AudioBitRate = 0;   // kbit/s, 1 kbit = 1024 bits
    std::uint32_t AudioSampleRate = 0;
    std::uint8_t AudioChannels = 0;
};

enum class AviReadStatus : std::uint8_t { Read = 0, NoFile = 1, NotAvi = 2 };

// Reads the header of an AVI file: the main header, the first video stream
// and the first audio stream, found by their chunk identifiers. Anything but
// Read leaves the record empty. Only header bytes are read, never the film.
AviReadStatus ReadAviInfo(const std::string &fileName, TAVIFileInfo &info);
// The same over bytes from anywhere; the file name is only stored.
AviReadStatus ReadAviInfo(ByteSource &bytes, const std::string &fileName, TAVIFileInfo &info);

// The audio bit rate shown for an average of `bytesPerSecond`: the kbit/s
// rounded ties to even, or the nominal rate of the encoders when the whole
// kbit/s fall in the range around one.
int AudioBitRate(std::uint32_t bytesPerSecond);
