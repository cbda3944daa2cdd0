// Outside bytes through every decoder and encoder: the first byte picks the
// encoding, the rest is read in it and the text written back.

#include "document/TextEncoding.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto known = KnownEncodings();
    const TextEncoding encoding = *FindEncoding(known[data[0] % known.size()].name);
    const std::string_view bytes(reinterpret_cast<const char *>(data) + 1, size - 1);

    const DecodedText decoded = DecodeText(bytes, encoding);
    FUZZ_CHECK(IsValidUtf8(decoded.utf8));
    FUZZ_CHECK(decoded.invalid <= bytes.size());

    // What was read is written back and reads the same, or the first character
    // the encoding lacks is named where it stands.
    std::string written;
    if (const auto lacking = AppendEncoded(written, decoded.utf8, encoding)) {
        FUZZ_CHECK(lacking->offset < decoded.utf8.size());
        FUZZ_CHECK(decoded.utf8.substr(lacking->offset).starts_with(Utf8Of(lacking->character)));
    } else if (decoded.invalid == 0) {
        FUZZ_CHECK(DecodeText(written, encoding).utf8 == decoded.utf8);
    }

    // Any bytes, taken for UTF-8 text, are written without a crash.
    std::string anyText;
    AppendEncoded(anyText, bytes, encoding);
    return 0;
}
