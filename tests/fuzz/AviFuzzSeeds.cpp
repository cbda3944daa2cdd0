// Writes the seeds of the AVI header fuzz target into a folder: headers
// built as the reader's tests build them.
//
//   avi_fuzz_seeds FOLDER

#include "tests/support/AviBuilder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char **argv) {
    if (argc != 2)
        return 2;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const avi::Video video;
    const avi::Audio audio;
    const std::string main = avi::MainHeader(video, 2);
    const std::string openDml = avi::List("odml", avi::Chunk("dmlh", avi::U32(3000)));
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"usual.avi", avi::File(video, audio)},
        {"video-only.avi", avi::File(video, std::nullopt)},
        {"audio-first.avi",
         avi::Riff("AVI ", avi::List("hdrl", main + avi::AudioStream(audio) + avi::VideoStream(video)))},
        {"junk-odd.avi",
         avi::Riff("AVI ", avi::Chunk("JUNK", "x") +
                               avi::List("hdrl", main + avi::Chunk("JUNK", "abc") + avi::VideoStream(video) +
                                                     avi::AudioStream(audio)))},
        {"open-dml.avi", avi::Riff("AVI ", avi::List("hdrl", main + avi::VideoStream(video) + openDml)) +
                             avi::Riff("AVIX", avi::List("movi", ""))},
        {"film.avi", avi::UncompressedFilm(32, 24, 10)},
    };
    for (const auto &[name, bytes] : seeds)
        std::ofstream(folder / name, std::ios::binary) << bytes;
    return 0;
}
