#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// AVI files built byte by byte with the published identifiers and layouts,
// for the reader's tests, the fuzz seeds and a video the view tests can play.
namespace avi {

inline std::string U32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

inline std::string U16(std::uint16_t value) {
    return U32(value).substr(0, 2);
}

// A chunk with its size; odd data is padded to an even length.
inline std::string Chunk(std::string_view id, std::string_view data) {
    std::string chunk = std::string(id) + U32(static_cast<std::uint32_t>(data.size())) + std::string(data);
    if (data.size() % 2 != 0)
        chunk += '\0';
    return chunk;
}

inline std::string List(std::string_view type, std::string_view content) {
    return Chunk("LIST", std::string(type) + std::string(content));
}

// The RIFF header of the given form; the size is the content's unless declared.
inline std::string Riff(std::string_view form, std::string_view content,
                        std::optional<std::uint32_t> declaredSize = std::nullopt) {
    const auto size = declaredSize.value_or(static_cast<std::uint32_t>(content.size() + 4));
    return "RIFF" + U32(size) + std::string(form) + std::string(content);
}

struct Video {
    std::uint32_t microSecondsPerFrame = 40000;
    std::uint32_t frames = 1500;
    std::uint32_t width = 640;
    std::uint32_t height = 272;
    std::string handler = "XVID";
    std::string compression = "XVID";
};

struct Audio {
    std::uint16_t tag = 85;
    std::uint16_t channels = 2;
    std::uint32_t samplesPerSecond = 44100;
    std::uint32_t bytesPerSecond = 16000;
};

// The main header "avih", 56 bytes of data.
inline std::string MainHeader(const Video &video, std::uint32_t streams) {
    return Chunk("avih", U32(video.microSecondsPerFrame) + U32(0) + U32(0) + U32(0x10) + U32(video.frames) +
                             U32(0) + U32(streams) + U32(0) + U32(video.width) + U32(video.height) +
                             std::string(16, '\0'));
}

// A stream header "strh", 56 bytes of data: type, handler, then scale and rate.
inline std::string StreamHeader(std::string_view type, std::string_view handler, std::uint32_t rate,
                                std::uint32_t length) {
    return Chunk("strh", std::string(type) + std::string(handler) + U32(0) + U32(0) + U32(0) + U32(1) +
                             U32(rate) + U32(0) + U32(length) + U32(0) + U32(0xFFFFFFFF) + U32(0) +
                             std::string(8, '\0'));
}

// A video stream list: stream header and BITMAPINFOHEADER, 116 bytes with the list type.
inline std::string VideoStream(const Video &video) {
    const std::uint32_t rate = video.microSecondsPerFrame == 0 ? 0 : 1000000 / video.microSecondsPerFrame;
    const std::string bitmap = U32(40) + U32(video.width) + U32(video.height) + U16(1) + U16(24) +
                               video.compression + U32(video.width * video.height * 3) +
                               std::string(16, '\0');
    return List("strl", StreamHeader("vids", video.handler, rate, video.frames) + Chunk("strf", bitmap));
}

// An audio stream list: stream header and WAVEFORMATEX.
inline std::string AudioStream(const Audio &audio) {
    const std::string wave = U16(audio.tag) + U16(audio.channels) + U32(audio.samplesPerSecond) +
                             U32(audio.bytesPerSecond) + U16(4) + U16(16) + U16(0);
    return List("strl",
                StreamHeader("auds", std::string(4, '\0'), audio.bytesPerSecond, 0) + Chunk("strf", wave));
}

// The usual arrangement: main header, video stream, audio stream.
inline std::string HeaderList(const Video &video, const std::optional<Audio> &audio) {
    return List("hdrl", MainHeader(video, audio ? 2 : 1) + VideoStream(video) +
                            (audio ? AudioStream(*audio) : std::string()));
}

inline std::string File(const Video &video, const std::optional<Audio> &audio) {
    return Riff("AVI ", HeaderList(video, audio));
}

// A film that players decode: uncompressed 24-bit frames ("DIB "), each a
// colour of its own, in a "movi" list with its "idx1" index.
inline std::string UncompressedFilm(std::uint32_t width, std::uint32_t height, std::uint32_t frames) {
    const Video video{40000, frames, width, height, "DIB ", std::string(4, '\0')};
    const std::uint32_t frameSize = width * height * 3;
    std::string movie;
    std::string index;
    for (std::uint32_t i = 0; i < frames; ++i) {
        std::string pixels(frameSize, '\0');
        for (std::uint32_t p = 0; p < frameSize; ++p)
            pixels[p] = static_cast<char>(p % 3 == i % 3 ? 0xF0 : 0x20 * (i + 1));
        index += "00db" + U32(0x10) + U32(static_cast<std::uint32_t>(4 + movie.size())) + U32(frameSize);
        movie += Chunk("00db", pixels);
    }
    return Riff("AVI ", HeaderList(video, std::nullopt) + List("movi", movie) + Chunk("idx1", index));
}

} // namespace avi
