#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// One second of colour bars in each kind of film people play, made with
// ffmpeg when a test asks for it. The pictures are 160x120 and the sound a
// tone, so making and reading them stays quick.
struct FilmClip {
    const char *file;                  // its name, which says the kind
    std::vector<std::string> encoders; // what ffmpeg must have to make it
    const char *frameRate;
    const char *sampleRate; // nullptr for a film without sound
    const char *options;    // ffmpeg's output options
};

inline const std::vector<FilmClip> kFilmClips{
    {"h264-aac.mp4",
     {"libx264", "aac"},
     "24000/1001",
     "48000",
     "-c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac -ac 2"},
    {"h265.mkv", {"libx265"}, "25", nullptr, "-c:v libx265 -preset ultrafast -x265-params log-level=none"},
    {"h264.mkv", {"libx264"}, "30000/1001", nullptr, "-c:v libx264 -preset ultrafast -pix_fmt yuv420p"},
    {"vp9-opus.webm",
     {"libvpx-vp9", "libopus"},
     "30",
     "48000",
     "-c:v libvpx-vp9 -deadline realtime -cpu-used 8 -c:a libopus -ac 2"},
    {"mpeg4-mp3.avi", {"mpeg4", "libmp3lame"}, "25", "44100", "-c:v mpeg4 -c:a libmp3lame -ac 2"},
    {"mpeg2.mpg", {"mpeg2video", "mp2"}, "25", "48000", "-c:v mpeg2video -c:a mp2 -ac 2"},
};

// The encoders this machine's ffmpeg lists; empty without ffmpeg.
inline const std::string &FfmpegEncoders() {
    static const std::string listed = [] {
        std::string text;
        std::unique_ptr<FILE, int (*)(FILE *)> pipe(::popen("ffmpeg -hide_banner -encoders 2>/dev/null", "r"),
                                                    ::pclose);
        if (!pipe)
            return text;
        char buffer[4096];
        for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
            text.append(buffer, read);
        return text;
    }();
    return listed;
}

// The first encoder the clip needs that ffmpeg lacks; empty when it has them all.
inline std::string MissingEncoder(const FilmClip &clip) {
    for (const std::string &encoder : clip.encoders)
        if (FfmpegEncoders().find(" " + encoder + " ") == std::string::npos)
            return encoder;
    return {};
}

// Makes the clip in the folder; its full name, or empty when ffmpeg failed.
inline std::string MakeFilmClip(const FilmClip &clip, const std::filesystem::path &folder) {
    const std::string target = (folder / clip.file).string();
    std::string command = std::string("ffmpeg -hide_banner -loglevel error -y -f lavfi -i "
                                      "testsrc=size=160x120:duration=1:rate=") +
                          clip.frameRate;
    if (clip.sampleRate)
        command += std::string(" -f lavfi -i sine=frequency=440:duration=1:sample_rate=") + clip.sampleRate;
    command += std::string(" ") + clip.options + " '" + target + "' </dev/null >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 ? target : std::string();
}
