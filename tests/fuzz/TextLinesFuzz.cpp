// Outside bytes as a text file: the choice of encoding, decoding and line splitting.

#include "document/TextFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const LoadedText loaded = DecodeTextLines(bytes);
    FUZZ_CHECK(loaded.encoding.markSize <= size);

    // The lines are UTF-8 without line ends; decoding the same bytes gives them joined by line ends.
    const DecodedText decoded = DecodeText(bytes.substr(loaded.encoding.markSize), loaded.encoding.encoding);
    FUZZ_CHECK(decoded.invalid == loaded.invalidCharacters);
    std::string expected;
    for (std::size_t i = 0; i < decoded.utf8.size(); ++i) {
        const char c = decoded.utf8[i];
        if (c == '\r' && i + 1 < decoded.utf8.size() && decoded.utf8[i + 1] == '\n')
            continue;
        expected += c == '\r' ? '\n' : c;
    }
    if (!expected.empty() && expected.back() != '\n')
        expected += '\n';
    std::string joined;
    for (const std::string_view line : loaded.lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(IsValidUtf8(line));
        joined += line;
        joined += '\n';
    }
    FUZZ_CHECK(joined == expected);
    return 0;
}
