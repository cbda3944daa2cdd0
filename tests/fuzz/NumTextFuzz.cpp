// Number texts both ways: arbitrary texts read as numbers, and arbitrary
// 80-bit patterns (unnormals and NaN payloads included) written as texts.

#include "document/Errors.h"
#include "document/NumText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Write(Extended value) {
    const std::string general = FloatToStr(value);
    const std::string fixed = FloatToStrFixed(value, 3);
    FloatToStrGeneral(value, 5, 3);
    FloatToStrGeneral(value, 21, 4);
    if (!std::isfinite(value))
        return;
    // What is written reads back, and reads back to what writes the same text.
    const std::optional<Extended> again = TryStrToFloat(general);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(FloatToStr(*again) == general);
    FUZZ_CHECK(TryStrToFloat(fixed).has_value());
    if (std::fabs(value) < 1e15L) {
        const Extended back = *TryStrToFloat(fixed);
        FUZZ_CHECK(std::fabs(back - value) <= 0.0005L + std::fabs(value) * 1e-18L);
    }
    const Extended rounded = RoundHalfEven(value);
    FUZZ_CHECK(std::fabs(rounded - value) <= 0.5L);
    // The hand-made rounding agrees with the library's to the last bit.
    const auto same = [](Extended a, Extended b) { return a == b && std::signbit(a) == std::signbit(b); };
    FUZZ_CHECK(std::isnan(value) || same(rounded, std::nearbyint(value)));
    FUZZ_CHECK(std::fabs(Trunc(value)) <= std::fabs(value));
}

// One text both ways through the whole-number and decimal readers.
void Read(std::string_view text) {
    const std::optional<int> whole = TryStrToInt(text);
    try {
        const int thrown = StrToInt(text);
        FUZZ_CHECK(whole && *whole == thrown);
    } catch (const ConvertError &) {
        FUZZ_CHECK(!whole);
    }
    if (whole)
        FUZZ_CHECK(StrToInt(IntToStr(*whole)) == *whole);

    const std::optional<Extended> decimal = TryStrToFloat(text);
    try {
        const Extended thrown = StrToFloat(text);
        FUZZ_CHECK(decimal && *decimal == thrown);
    } catch (const ConvertError &) {
        FUZZ_CHECK(!decimal);
    }
    if (decimal)
        Write(*decimal);
    if (whole)
        FUZZ_CHECK(decimal && *decimal == *whole);
}

} // namespace

// The whole input is one number text: a file's line cut into many pieces
// would spend each input on the same few pieces, and every failed read
// throws, which costs more than the reading.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    Read(std::string_view(reinterpret_cast<const char *>(data), size));
    if (size >= 10) {
        Extended pattern = 0;
        std::memcpy(&pattern, data, 10);
        Write(pattern);
        try {
            ToInt32(pattern);
        } catch (const ConvertError &) {
        }
    }
    return 0;
}
