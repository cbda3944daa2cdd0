// Arbitrary UTF-8 subtitle texts fitted to limits taken from the input itself
// (zero, negative, a total below the line limit): the passes end, the words
// keep their order and every line is within the limit or one word. The
// lines as they stand go through one pass as well.

#include "document/Errors.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/FitProperties.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Characters that test the counting and the breaks: CJK text and its
// punctuation, a combining accent, an emoji with its skin tone, a joiner,
// Cyrillic, a fullwidth digit and a byte that is no UTF-8.
constexpr std::array<std::string_view, 16> kCharacters = {
    "你",     "好", "。", "「",   "」", "ー", "カ", "한", "！", "\u3000", "e\u0301", "\U0001F44D\U0001F3FD",
    "\u200D", "Я",  "１", "\xE9",
};

// The input's lines. When `spelled` is set, every byte from 0x80 on stands for
// one of the characters above; otherwise the bytes go in as they are, valid
// UTF-8 or not.
std::vector<std::string> InputLines(std::string_view bytes, bool spelled) {
    std::vector<std::string> lines(1);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            lines.emplace_back();
        else if (c == '\r')
            continue;
        else if (spelled && byte >= 0x80)
            lines.back() += kCharacters[byte % kCharacters.size()];
        else
            lines.back() += c;
    }
    return lines;
}

// The passes a text takes grow with its length over what one subtitle holds,
// and each pass goes over the whole list again: a text many times longer
// than the limits only repeats the same passes, so the input is cut after
// this many subtitles' worth.
constexpr std::size_t kSubtitlesAtMost = 32;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 3)
        return 0;
    const FitLimits limits{static_cast<std::int8_t>(data[0]) % 48, static_cast<std::int8_t>(data[1]) % 100,
                           2 + data[2] % 2};
    const std::size_t holds =
        static_cast<std::size_t>(std::max(1, std::min(limits.maxLine * limits.lines, limits.maxTotal)));
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 3, size - 3);
    const std::vector<std::string> lines =
        InputLines(bytes.substr(0, kSubtitlesAtMost * holds), (data[2] & 2) != 0);
    std::vector<std::string> entries;
    std::size_t characters = 0;
    for (const std::string &line : lines) {
        entries.push_back("{0}{100000}" + line);
        characters += line.size();
    }
    // Every pass places at least one character of every rest.
    const std::optional<TextList> fitted =
        FitToTheEnd(TextList(entries), limits, static_cast<int>(characters) + 2);
    FUZZ_CHECK(fitted.has_value());
    FUZZ_CHECK(FitPropertyFault(lines, *fitted, limits.maxLine).empty());
    // The lines as they stand, with frames of any kind, through one pass.
    try {
        TextList out;
        FitPass(TextList(lines), limits, out,
                {[](std::string_view, std::string_view) {}, [](std::size_t, long long) {}, {}});
    } catch (const ConvertError &) {
    }
    return 0;
}
