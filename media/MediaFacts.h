#pragma once

#include "document/Errors.h"

#include <optional>
#include <string>

// What the media library reads from a film: its container, the first moving
// picture and the first sound. Names are the library's descriptions, ready to
// show ("Matroska", "H.264 (High Profile)").

// A frame rate as the container gives it, 24000/1001 for NTSC film.
struct FrameRateFraction {
    unsigned numerator = 0;
    unsigned denominator = 1;
};

struct VideoFacts {
    std::string codec;
    int width = 0;
    int height = 0;
    std::optional<FrameRateFraction> frameRate; // none for a variable rate
};

struct AudioFacts {
    std::string codec;
    int channels = 0;
    int sampleRate = 0; // samples per second
};

struct MediaFacts {
    std::string container;        // empty for a bare stream
    double durationSeconds = 0.0; // 0 when the file does not say
    std::optional<VideoFacts> video;
    std::optional<AudioFacts> audio;
};

// A file the media library cannot read; the message names the file and says why.
class MediaError : public FileError {
public:
    using FileError::FileError;
};
