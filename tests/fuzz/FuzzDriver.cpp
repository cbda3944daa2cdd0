// Runs a fuzz target without libFuzzer: every file under the corpus folder
// as it is, then a fixed number of mutations of them from a fixed seed, so a
// run is repeatable and a failure can be replayed. A sanitizer finding or a
// failed property writes the input that caused it to fuzz-failure.bin in the
// working folder.
//
//   fuzz_target CORPUS [MUTATIONS] [SECONDS]
//   fuzz_target FILE           replays one input

#include "document/NumText.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// A mutated input is cut from a window of its source, so large subtitle
// files do not make every run slow.
constexpr std::size_t kWindow = 16 * 1024;

// Pieces that matter to the readers: braces, clock separators, arrows,
// line ends, markers, the byte-order mark, numbers at the 32-bit edge.
const std::vector<std::string> kTokens = {
    "{",
    "}",
    "{1}{1}",
    "|",
    ":",
    ",",
    ".",
    "-->",
    " --> ",
    "\r\n",
    "\n",
    "\r",
    "<i>",
    "<br>",
    "\\N",
    "{y:i}",
    "\xEF\xBB\xBF",
    "\xC3\xA9",
    "\xE2",
    "\x80",
    "\x81",
    "0",
    "-",
    "2147483647",
    "2147483648",
    "-2147483649",
    "1E4932",
    "1E-4950",
    "99999999999999999999",
    "00:00:01,500",
    "[",
    "]",
    "\t",
    std::string(1, '\0'),
    // The markers of the importers' formats.
    "[TITLE]",
    "[BEGIN]",
    "******** START SCRIPT ********",
    "[end]",
    "[INFORMATION]",
    "[SUBTITLE]",
    "[COLF]",
    ",1=",
    ",2=",
    "{* VIPLAY SUBTITLE FILE *}",
    "NTP",
    "NTP ",
    "% Zero G 1.0",
    "//Subtitles",
    "//",
    "#Ulead subtitle format",
    "#FR:",
    "#",
    "{HEAD",
    "{T ",
    "-->>",
    "<SAMI>",
    "<SYNC Start=",
    "</BODY>",
    "[Events]",
    "Dialogue: ",
    "Subtitle File Mark",
    "&",
    "<",
    "0001",
    "BMPFILE",
    "STARTTIME",
    "STARTTIME:",
    " DISABLE_OGT",
    "#INPOINT OUTPOINT PATH",
    "----",
    "@@9 Title",
    "@@9 ",
    "00:00:01:12",
    "00:00:01.5:",
    "  ",
    "WEBVTT\n\n",
    "00:01.000 --> 00:02.000 align:start",
    "NOTE ",
    "STYLE\n",
    "<v Name>",
    "<ruby>a<rt>b</rt></ruby>",
    "<00:00:01.500>",
    "&amp;",
    "&#x263A;",
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>",
    "<tt xmlns=\"http://www.w3.org/ns/ttml\" xmlns:ttp=\"http://www.w3.org/ns/ttml#parameter\">",
    "<p begin=\"1s\" end=\"00:00:02:12\">",
    "</p>",
    "<br/>",
    "<span dur=\"10000t\">",
    "<div timeContainer=\"seq\">",
    " ttp:tickRate=\"10000000\" ttp:frameRate=\"25\" ttp:frameRateMultiplier=\"1000 1001\"",
    "<!DOCTYPE tt [<!ENTITY e \"&e;&e;\">]>",
};

std::string Read(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string *current = nullptr;

void SaveCurrentInput() {
    if (!current)
        return;
    std::ofstream out("fuzz-failure.bin", std::ios::binary);
    out << *current;
    std::fprintf(stderr, "fuzz driver: the failing input is in fuzz-failure.bin (%zu bytes)\n",
                 current->size());
}

// A failed property aborts; the input is kept the same way.
extern "C" void SaveOnAbort(int signal) {
    SaveCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void Run(const std::string &input) {
    current = &input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.data()), input.size());
    current = nullptr;
}

class Mutator {
public:
    explicit Mutator(const std::vector<std::string> &seeds) : seeds_(seeds), random_(20110217) {}

    std::string Next() {
        std::string input = Window(Pick());
        const unsigned steps = 1 + Below(6);
        for (unsigned i = 0; i < steps; ++i)
            Mutate(input);
        return input;
    }

private:
    // Uniform enough, and unlike the standard distributions the same on every library.
    std::size_t Below(std::size_t bound) {
        return bound == 0 ? 0 : static_cast<std::size_t>(random_() % bound);
    }

    const std::string &Pick() { return seeds_[Below(seeds_.size())]; }

    std::string Window(const std::string &seed) {
        if (seed.size() <= kWindow)
            return seed;
        return seed.substr(Below(seed.size() - kWindow), kWindow);
    }

    void Mutate(std::string &input) {
        const std::size_t at = Below(input.size() + 1);
        switch (Below(8)) {
        case 0: // flip a bit
            if (!input.empty())
                input[Below(input.size())] ^= static_cast<char>(1u << Below(8));
            break;
        case 1: // a random byte
            input.insert(at, 1, static_cast<char>(Below(256)));
            break;
        case 2: // a token
            input.insert(at, kTokens[Below(kTokens.size())]);
            break;
        case 3: // drop a run
            input.erase(at, Below(32));
            break;
        case 4: { // repeat a run
            const std::string run = input.substr(at, Below(64));
            const std::size_t times = 1 + Below(16);
            for (std::size_t i = 0; i < times; ++i)
                input.insert(at, run);
            break;
        }
        case 5: // cut the end
            input.resize(at);
            break;
        case 6: { // splice another seed in
            const std::string other = Window(Pick());
            const std::size_t from = Below(other.size() + 1);
            input.insert(at, other.substr(from, Below(256)));
            break;
        }
        default: // overwrite with a digit, where numbers are read
            if (!input.empty())
                input[Below(input.size())] = static_cast<char>('0' + Below(10));
            break;
        }
        if (input.size() > 4 * kWindow)
            input.resize(4 * kWindow);
    }

    const std::vector<std::string> &seeds_;
    std::mt19937_64 random_;
};

} // namespace

int main(int argc, char **argv) {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(SaveCurrentInput);
#endif
    std::signal(SIGABRT, SaveOnAbort);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS|FILE [MUTATIONS] [SECONDS]\n", argv[0]);
        return 2;
    }
    const fs::path source = argv[1];
    const int mutations = argc > 2 ? StrToInt(argv[2]) : 2000;
    const auto limit = std::chrono::seconds(argc > 3 ? StrToInt(argv[3]) : 40);

    std::vector<fs::path> files;
    if (fs::is_regular_file(source)) {
        files.push_back(source);
    } else if (fs::is_directory(source)) {
        for (const auto &entry : fs::recursive_directory_iterator(source))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    }
    if (files.empty()) {
        std::fprintf(stderr, "fuzz driver: no input under %s\n", argv[1]);
        return 2;
    }
    std::sort(files.begin(), files.end());

    std::vector<std::string> seeds;
    seeds.reserve(files.size() + 1);
    for (const fs::path &file : files)
        seeds.push_back(Read(file));
    seeds.emplace_back();
    for (const std::string &seed : seeds)
        Run(seed);
    if (fs::is_regular_file(source))
        return 0;

    const auto started = std::chrono::steady_clock::now();
    Mutator mutator(seeds);
    int done = 0;
    for (; done < mutations && std::chrono::steady_clock::now() - started < limit; ++done) {
        const std::string input = mutator.Next();
        Run(input);
    }
    std::printf("fuzz driver: %zu inputs and %d mutations\n", seeds.size(), done);
    return 0;
}
