// Arbitrary subtitle texts fitted to limits taken from the input itself:
// zero, negative, and a total below the line limit among them. The passes
// must end, keep the words in order and leave every line within the limit
// or a single word. The lines as they stand go through one pass as well.

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

    std::vector<std::string> texts;
    std::vector<std::string> entries;
    std::size_t characters = 0;
    for (const std::string &line : loaded.lines) {
        texts.push_back(line);
        entries.push_back("{0}{100000}" + line);
        characters += line.size();
    }
    // Every pass places at least one character of every rest.
    const std::optional<TextList> fitted =
        FitToTheEnd(TextList(entries), limits, static_cast<int>(characters) + 2);
    FUZZ_CHECK(fitted.has_value());
    FUZZ_CHECK(FitPropertyFault(texts, *fitted, limits.maxLine).empty());

    try {
        TextList out;
        FitPass(loaded.lines, limits, out,
                {[](std::string_view, std::string_view) {}, [](std::size_t, long long) {}});
    } catch (const ConvertError &) {
    }
    return 0;
}
