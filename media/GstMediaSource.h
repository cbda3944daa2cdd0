#pragma once

#include "media/MediaSource.h"

// The media port on GStreamer: the discoverer reads a file's facts, and a
// decoding pipeline ending in an appsink hands over its sound. Every failure
// of the library, a file it cannot read and a file that stops giving data
// alike, becomes a message.
class GstMediaSource : public MediaSource {
public:
    MediaFacts Describe(const std::string &fileName) override;
    MediaOutcome DecodeAudio(const std::string &fileName, int sampleRate, AudioReceiver &receiver) override;
};
