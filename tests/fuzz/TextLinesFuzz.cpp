// Outside bytes as a text file: decoding, line splitting and the cp1252 table.

#include "document/Cp1252.h"
#include "document/TextFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const LoadedText loaded = DecodeTextLines(bytes);
    FUZZ_CHECK(loaded.decodedFromUnicode || loaded.replacedCharacters == 0);

    // The lines joined again give the text with every line end made one LF.
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    const std::string_view body = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    FUZZ_CHECK(!utf16 || loaded.decodedFromUnicode);
    const std::string text = utf16 ? Utf16ToCp1252(bytes.substr(2), bytes[0] == '\xFE').text
                             : loaded.decodedFromUnicode ? Utf8ToCp1252(body).text
                                                         : std::string(bytes);
    std::string expected;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        expected += text[i] == '\r' ? '\n' : text[i];
    }
    std::string joined;
    for (const std::string_view line : loaded.lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        joined += line;
        joined += '\n';
    }
    if (!expected.empty() && expected.back() != '\n')
        expected += '\n';
    FUZZ_CHECK(joined == expected);

    // Every cp1252 text has a UTF-8 form that comes back unchanged, but for
    // the five bytes without a character.
    const std::string utf8 = Cp1252ToUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(utf8));
    const Cp1252Text back = Utf8ToCp1252(utf8);
    FUZZ_CHECK(back.text.size() == size);
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool undefined = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        FUZZ_CHECK(back.text[i] == (undefined ? '?' : bytes[i]));
    }

    const Cp1252Text decoded = Utf8ToCp1252(bytes);
    FUZZ_CHECK(decoded.text.size() <= size);
    FUZZ_CHECK(IsValidUtf8(bytes) || decoded.replaced > 0);
    return 0;
}
