// Writes a large subtitle file for the benchmark: SubRip or MicroDVD, one to
// three text lines per subtitle, cp1252 accents and <i> italics, CR LF line
// ends. The same count always gives the same bytes.
//
//   generate-subtitles srt|sub COUNT FILE

#include "document/NumText.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 24> kWords = {
    "n\xE3o",    "tamb\xE9m",   "cora\xE7\xE3o", "caf\xE9", "l\xE1",     "voc\xEA", "est\xE1", "ent\xE3o",
    "amanh\xE3", "hist\xF3ria", "p\xE3o",        "ir\xE3o", "porqu\xEA", "agora",   "casa",    "noite",
    "tempo",     "sempre",      "depois",        "nunca",   "mundo",     "s\xF3",   "aqui",    "at\xE9"};

// A small linear congruential generator: reproducible and fast enough for a million subtitles.
class Sequence {
public:
    unsigned Next(unsigned limit) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>((state_ >> 33) % limit);
    }

private:
    std::uint64_t state_ = 20240601;
};

std::string TwoDigits(long long value) {
    return (value < 10 ? "0" : "") + IntToStr(value);
}

// "hh:mm:ss,mmm"; the SubRip reader expects two-digit hours, so files stay below 100 hours.
std::string SubRipTime(long long milliseconds) {
    const long long seconds = milliseconds / 1000;
    std::string millis = IntToStr(milliseconds % 1000);
    millis.insert(0, 3 - millis.size(), '0');
    return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60) +
           "," + millis;
}

std::string TextLine(Sequence &sequence) {
    std::string line;
    const unsigned words = 3 + sequence.Next(4);
    for (unsigned w = 0; w < words; ++w) {
        if (w > 0)
            line += ' ';
        line += kWords[sequence.Next(kWords.size())];
    }
    if (sequence.Next(5) == 0)
        line = "<i>" + line + "</i>";
    return line;
}

} // namespace

int main(int argc, char **argv) {
    const std::optional<int> count = argc == 4 ? TryStrToInt(argv[2]) : std::nullopt;
    const std::string_view format = argc == 4 ? argv[1] : "";
    if (!count || *count < 0 || (format != "srt" && format != "sub")) {
        std::fputs("usage: generate-subtitles srt|sub COUNT FILE\n", stderr);
        return 2;
    }
    std::FILE *out = std::fopen(argv[3], "wb");
    if (out == nullptr) {
        std::perror(argv[3]);
        return 1;
    }

    // A subtitle every 350 ms, shown for 300 ms (9 and 7 frames at 25 frames per second).
    Sequence sequence;
    std::string block;
    for (int i = 0; i < *count; ++i) {
        const unsigned lines = 1 + sequence.Next(3);
        if (format == "srt") {
            const long long start = 350LL * i;
            block +=
                IntToStr(i + 1) + "\r\n" + SubRipTime(start) + " --> " + SubRipTime(start + 300) + "\r\n";
            for (unsigned l = 0; l < lines; ++l)
                block += TextLine(sequence) + "\r\n";
            block += "\r\n";
        } else {
            const long long start = 9LL * i;
            block += "{" + IntToStr(start) + "}{" + IntToStr(start + 7) + "}";
            for (unsigned l = 0; l < lines; ++l)
                block += (l > 0 ? "|" : "") + TextLine(sequence);
            block += "\r\n";
        }
        if (block.size() >= (1u << 20)) {
            std::fwrite(block.data(), 1, block.size(), out);
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), out);
    if (std::fclose(out) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}
