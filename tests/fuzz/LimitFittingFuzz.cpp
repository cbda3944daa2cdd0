// Arbitrary subtitle texts fitted to limits taken from the input itself
// (zero, negative, a total below the line limit): the passes end, the words
// keep their order and every line is within the limit or one word. The
// lines as they stand go through one pass as well.

#include "document/Errors.h"
#include "document/TextFile.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/FitProperties.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 3)
        return 0;
    const FitLimits limits{static_cast<std::int8_t>(data[0]) % 48, static_cast<std::int8_t>(data[1]) % 100,
                           2 + data[2] % 2};
    const LoadedText loaded =
        DecodeTextLines(std::string_view(reinterpret_cast<const char *>(data) + 3, size - 3));
    std::vector<std::string> entries;
    std::size_t characters = 0;
    for (const std::string_view line : loaded.lines) {
        entries.push_back("{0}{100000}" + std::string(line));
        characters += line.size();
    }
    // Every pass places at least one character of every rest.
    const std::optional<TextList> fitted =
        FitToTheEnd(TextList(entries), limits, static_cast<int>(characters) + 2);
    FUZZ_CHECK(fitted.has_value());
    FUZZ_CHECK(FitPropertyFault(loaded.lines.ToVector(), *fitted, limits.maxLine).empty());
    // The lines as they stand, with frames of any kind, through one pass.
    try {
        TextList out;
        FitPass(loaded.lines, limits, out,
                {[](std::string_view, std::string_view) {}, [](std::size_t, long long) {}});
    } catch (const ConvertError &) {
    }
    return 0;
}
