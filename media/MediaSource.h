#pragma once

#include "media/MediaFacts.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What a media library tells the core about a video: a port of its own beside
// Platform, since only the tools that read films need it. The desktops
// implement it with GStreamer; tests with sound made in memory. File names are
// as the desktop names files; error texts are ready to show.

// Takes the decoded sound piece by piece; false stops the decoding (Cancel).
class AudioReceiver {
public:
    virtual ~AudioReceiver() = default;
    virtual bool Receive(const std::int16_t *samples, std::size_t count, double seconds) = 0;
};

struct MediaOutcome {
    bool ok = false;
    std::string error; // why, when not ok
};

class MediaSource {
public:
    virtual ~MediaSource() = default;
    // The facts of a file; MediaError when none can be read.
    virtual MediaFacts Describe(const std::string &fileName) = 0;
    // Decodes the first sound track as mono 16-bit samples at sampleRate and hands
    // them over in order; ok also when the receiver stopped it.
    virtual MediaOutcome DecodeAudio(const std::string &fileName, int sampleRate,
                                     AudioReceiver &receiver) = 0;
};
