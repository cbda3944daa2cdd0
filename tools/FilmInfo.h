#pragma once

#include "document/Numbers.h"
#include "media/MediaFacts.h"
#include "media/MediaSource.h"
#include "tools/AviFile.h"

#include <optional>
#include <string>
#include <vector>

// What the tools tell of a film: its AVI header where it has one, and what
// the media library reads from any container.

// The film's frame rate; none when it has no picture or no fixed rate.
std::optional<Extended> FilmFrameRate(const MediaFacts &facts);

// The facts one per line: "Container: NAME", "Video: CODEC WxH", "Frame rate:
// 23,976", "Duration: hh:mm:ss,mmm" and "Audio: CODEC, 2 channels, 48000 Hz"
// or "Audio: none".
std::vector<std::string> FilmFactsLines(const MediaFacts &facts);

struct FilmInfo {
    std::optional<TAVIFileInfo> avi;
    std::optional<MediaFacts> film; // none without a media library or when it cannot read the file
};

// Reads both; a file that is neither an AVI nor a film the library reads
// leaves both empty.
FilmInfo ReadFilmInfo(const std::string &fileName, MediaSource *media);

// The AVI information box: the header's report as it always was, then the
// film's facts; empty when nothing is known. Lines end with LF CR.
std::string FilmInfoReport(const FilmInfo &info);

// The rate to offer for the frame-rate box: the AVI header's, else the film's.
std::optional<Extended> FilmInfoRate(const FilmInfo &info);

// The preview's captions beside "Video:" and "Audio:", from the AVI header
// when there is one: "XVID (640x272) - 25 fps" and the sound's codec.
struct FilmCaptions {
    std::string video;
    std::string audio;
};
std::optional<FilmCaptions> PreviewCaptions(const FilmInfo &info);
