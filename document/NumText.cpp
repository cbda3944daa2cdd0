#include "document/NumText.h"

#include "document/Errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr std::array<unsigned long long, 19> kPowersOfTen = [] {
    std::array<unsigned long long, 19> powers{};
    unsigned long long power = 1;
    for (auto &p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// NOTE: only the space counts as a blank around a number, as in the number
// texts of the subtitle formats; a tab makes the text invalid.
std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

[[noreturn]] void ThrowNotInteger(std::string_view text) {
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

[[noreturn]] void ThrowNotFloat(std::string_view text) {
    throw ConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

// A number already checked against our grammar, with "." in place of the
// decimal comma and the exponent clamped, so from_chars sees only what it
// reads the same way everywhere.
struct CheckedFloat {
    std::string digits;
    bool negative = false;
    // Decimal exponent of the leading significant digit, ignoring the
    // written exponent's excess; only its sign matters, to tell an overflow
    // from an underflow.
    long long magnitude = 0;
    bool zero = true;
};

std::optional<CheckedFloat> CheckFloat(std::string_view text) {
    CheckedFloat result;
    std::size_t i = SkipBlanks(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    result.digits.reserve(text.size() + 2);
    std::size_t mantissaDigits = 0;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    bool inFraction = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            ++mantissaDigits;
            if (c != '0')
                result.zero = false;
            if (!result.zero && !inFraction)
                ++integerDigits;
            if (result.zero && inFraction)
                ++leadingFractionZeros;
            result.digits += c;
        } else if (c == ',' && !inFraction) {
            inFraction = true;
            result.digits += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == text.size() || !IsDigit(text[i]))
            return std::nullopt;
        // Past a million the exponent only says "out of range" or "zero".
        for (; i < text.size() && IsDigit(text[i]); ++i)
            if (exponent < 1000000)
                exponent = exponent * 10 + (text[i] - '0');
        if (negativeExponent)
            exponent = -exponent;
        result.digits += 'e';
        result.digits += IntToStr(exponent);
    }
    if (SkipBlanks(text, i) != text.size())
        return std::nullopt;
    result.magnitude = (integerDigits > 0 ? integerDigits - 1 : -leadingFractionZeros - 1) + exponent;
    return result;
}

// Digits and decimal exponent of a value rounded to `precision` significant digits.
struct DecimalDigits {
    std::string digits; // no trailing zeros, at least one digit
    int exponent = 0;   // the value is d,ddd x 10^exponent
    bool negative = false;
};

DecimalDigits RoundToDigits(Extended value, int precision) {
    std::array<char, 64> buffer;
    const Extended magnitude = std::fabs(value);
    auto formatted = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::scientific, precision - 1);
    std::string_view text(buffer.data(), formatted.ptr - buffer.data());
    if (precision > std::numeric_limits<Extended>::digits10) {
        // Beyond 18 digits the rounded form may carry digits that the
        // shortest exact form of the value does not need.
        std::array<char, 64> shortest;
        auto s = std::to_chars(shortest.data(), shortest.data() + shortest.size(), magnitude,
                               std::chars_format::scientific);
        std::string_view shortText(shortest.data(), s.ptr - shortest.data());
        if (shortText.find('e') <= static_cast<std::size_t>(precision) + 1) {
            buffer = shortest;
            text = std::string_view(buffer.data(), shortText.size());
        }
    }
    DecimalDigits result;
    result.negative = std::signbit(value);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            result.digits += text[i];
    while (result.digits.size() > 1 && result.digits.back() == '0')
        result.digits.pop_back();
    const std::string_view exponentText = text.substr(e + 1);
    const std::size_t skip = exponentText.front() == '+' ? 1 : 0;
    std::from_chars(exponentText.data() + skip, exponentText.data() + exponentText.size(), result.exponent);
    return result;
}

// Nine digits or fewer, with nothing else, are the usual frame and field
// texts, and cannot leave the 32-bit range; false for any other text.
bool ReadShortDigits(std::string_view text, int &value) {
    if (text.empty() || text.size() > 9)
        return false;
    unsigned magnitude = 0;
    for (const char c : text) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit > 9)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    value = static_cast<int>(magnitude);
    return true;
}

} // namespace

std::optional<int> TryStrToInt(std::string_view text) {
    if (int value = 0; ReadShortDigits(text, value))
        return value;
    std::size_t i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size() || !IsDigit(text[i]))
        return std::nullopt;
    unsigned long long magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
        magnitude = magnitude * 10 + static_cast<unsigned>(text[i] - '0');
        if (magnitude > 2147483648ULL)
            return std::nullopt;
    }
    if (!negative && magnitude > 2147483647ULL)
        return std::nullopt;
    return negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
}

int StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text))
        return *value;
    ThrowNotInteger(text);
}

// Most number texts are short plain decimals ("2,500", "25"). Their digits
// as a whole number and the power of ten below them are both exact in
// Extended, so one correctly rounded division gives the same value as a full
// decimal conversion, many times faster. At least one digit and nothing but
// digits and one `point`, or the text is not plain.
bool ReadPlainDecimal(std::string_view digits, char point, Extended &value) {
    unsigned long long mantissa = 0;
    std::size_t at = 0;
    const auto readDigits = [&] {
        for (; at < digits.size() && IsDigit(digits[at]); ++at)
            mantissa = mantissa * 10 + static_cast<unsigned long long>(digits[at] - '0');
    };
    readDigits();
    const std::size_t wholeDigits = at;
    if (at < digits.size() && digits[at] == point)
        ++at;
    const std::size_t fractionStart = at;
    readDigits();
    const std::size_t fractionDigits = at - fractionStart;
    // Past eighteen digits the whole number may not fit; the text is then not plain.
    const std::size_t count = wholeDigits + fractionDigits;
    if (at != digits.size() || count == 0 || count >= kPowersOfTen.size())
        return false;
    value = static_cast<Extended>(mantissa) / static_cast<Extended>(kPowersOfTen[fractionDigits]);
    return true;
}

// A value below the smallest normal Extended, rounded to the nearest
// subnormal (or zero). from_chars reports these as out of range; strtold
// rounds them exactly, and with the "C" locale it reads "." whatever the
// user's locale is.
Extended ReadTinyValue(const std::string &digits) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return cLocale ? strtold_l(digits.c_str(), nullptr, cLocale) : 0;
}

std::optional<Extended> TryStrToFloat(std::string_view text) {
    // A plain decimal as written needs no checked copy.
    if (Extended plain = 0; ReadPlainDecimal(text, ',', plain))
        return plain;
    auto checked = CheckFloat(text);
    if (!checked)
        return std::nullopt;
    Extended value = 0;
    if (!checked->zero && !ReadPlainDecimal(checked->digits, '.', value)) {
        const char *first = checked->digits.data();
        const char *last = first + checked->digits.size();
        auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
        if (ec == std::errc::result_out_of_range) {
            // CHOICE: a number too large for Extended does not convert; one
            // too small reads as its subnormal value, or zero.
            if (checked->magnitude >= 0)
                return std::nullopt;
            value = ReadTinyValue(checked->digits);
        } else if (ec != std::errc() || ptr != last) {
            return std::nullopt;
        }
    }
    return checked->negative ? -value : value;
}

Extended StrToFloat(std::string_view text) {
    if (auto value = TryStrToFloat(text))
        return *value;
    ThrowNotFloat(text);
}

std::string IntToStr(long long value) {
    std::array<char, 24> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string FloatToStrGeneral(Extended value, int precision, int exponentDigits) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    // Past 21 digits every Extended has its exact shortest form.
    precision = std::clamp(precision, 1, std::numeric_limits<Extended>::max_digits10);
    // Frame numbers are whole and small: they are written without the
    // detour through decimal digits. Negative zero is written as "0".
    const int fastDigits = precision < 18 ? precision : 18;
    if (value == std::trunc(value) && std::fabs(value) < static_cast<Extended>(kPowersOfTen[fastDigits]))
        return IntToStr(static_cast<long long>(value));

    const DecimalDigits decimal = RoundToDigits(value, precision);
    std::string text;
    text.reserve(decimal.digits.size() + 16);
    if (decimal.negative)
        text += '-';
    const int e = decimal.exponent;
    const auto count = static_cast<int>(decimal.digits.size());
    if (e >= precision || e < -5) {
        text += decimal.digits[0];
        if (count > 1) {
            text += ',';
            text.append(decimal.digits, 1);
        }
        text += 'E';
        text += e < 0 ? '-' : '+';
        const std::string exponentText = IntToStr(e < 0 ? -e : e);
        if (static_cast<int>(exponentText.size()) < exponentDigits)
            text.append(exponentDigits - exponentText.size(), '0');
        text += exponentText;
    } else if (e < 0) {
        text += "0,";
        text.append(-e - 1, '0');
        text += decimal.digits;
    } else {
        const int integerDigits = e + 1;
        if (count <= integerDigits) {
            text += decimal.digits;
            text.append(integerDigits - count, '0');
        } else {
            text.append(decimal.digits, 0, integerDigits);
            text += ',';
            text.append(decimal.digits, integerDigits);
        }
    }
    return text;
}

std::string FloatToStr(Extended value) {
    return FloatToStrGeneral(value, 15, 0);
}

namespace {

// A value as a 64-bit integer and the power of two that scales it down:
// value = mantissa x 2^-shift, the mantissa read only when the shift is
// between 1 and 127. A normal x87 long double is read from its bits (the
// 64-bit significand, then the sign and the biased exponent), which is
// several times faster than frexp and ldexp.
struct SplitExtended {
    unsigned long long mantissa;
    int shift;
};

SplitExtended Split(Extended magnitude) {
    static_assert(std::numeric_limits<Extended>::digits == 64, "an x87 80-bit long double");
    unsigned long long significand = 0;
    unsigned short signAndExponent = 0;
    std::memcpy(&significand, &magnitude, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const char *>(&magnitude) + sizeof significand,
                sizeof signAndExponent);
    const int exponent = signAndExponent & 0x7FFF;
    if (exponent != 0 && exponent != 0x7FFF && (significand >> 63) != 0)
        return SplitExtended{significand, 16383 + 63 - exponent};
    int binaryExponent = 0;
    const Extended fraction = std::frexp(magnitude, &binaryExponent);
    const int shift = 64 - binaryExponent;
    if (shift <= 0 || shift >= 128)
        return SplitExtended{0, shift};
    return SplitExtended{static_cast<unsigned long long>(std::ldexp(fraction, 64)), shift};
}

} // namespace

// CHOICE: a value exactly halfway between two results is rounded away from
// zero (2,0625 to three decimals is "2,063"), as decimals are ordinarily
// rounded for display; every other value takes the nearer result.
std::optional<unsigned long long> ScaledToWhole(Extended magnitude, int decimals) {
    if (!std::isfinite(magnitude))
        return std::nullopt;
    const auto [mantissa, shift] = Split(magnitude);
    if (shift <= 0 || shift >= 128 || decimals < 0 || decimals > 18)
        return std::nullopt;
    // Exact in integers: mantissa x 10^decimals, shifted with rounding.
    const Wide scaled = static_cast<Wide>(mantissa) * kPowersOfTen[decimals];
    Wide quotient = scaled >> shift;
    const Wide remainder = scaled - (quotient << shift);
    if (remainder >= (static_cast<Wide>(1) << (shift - 1)))
        ++quotient;
    if (quotient > std::numeric_limits<unsigned long long>::max())
        return std::nullopt;
    return static_cast<unsigned long long>(quotient);
}

std::string FloatToStrFixed(Extended value, int decimals) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    decimals = std::clamp(decimals, 0, 18);
    const Extended magnitude = std::fabs(value);
    std::array<char, 64> digits;
    std::size_t length = 0;
    bool negative = std::signbit(value);

    if (const std::optional<unsigned long long> quotient = ScaledToWhole(magnitude, decimals)) {
        auto r = std::to_chars(digits.data(), digits.data() + digits.size(), *quotient);
        length = r.ptr - digits.data();
        negative = negative && *quotient != 0;
        std::string text;
        text.reserve(length + 4);
        if (negative)
            text += '-';
        const auto places = static_cast<std::size_t>(decimals);
        if (length <= places) {
            text += '0';
            if (places > 0)
                text += ',';
            text.append(places - length, '0');
            text.append(digits.data(), length);
        } else {
            text.append(digits.data(), length - places);
            if (places > 0) {
                text += ',';
                text.append(digits.data() + length - places, places);
            }
        }
        return text;
    }

    // Large values and many decimals: the library rounds the exact value,
    // ties to even, so a tie is first moved off its midpoint. A tie is a
    // value that is a whole multiple of 2^-(decimals + 1) but not of 2^-decimals.
    Extended toPrint = magnitude;
    const Extended scaledUp = std::ldexp(magnitude, decimals + 1);
    if (scaledUp == std::trunc(scaledUp) &&
        std::ldexp(magnitude, decimals) != std::trunc(std::ldexp(magnitude, decimals)))
        toPrint = std::nextafter(magnitude, std::numeric_limits<Extended>::infinity());
    std::string text(static_cast<std::size_t>(decimals) + 4960, '\0');
    auto r =
        std::to_chars(text.data(), text.data() + text.size(), toPrint, std::chars_format::fixed, decimals);
    text.resize(r.ptr - text.data());
    for (char &c : text)
        if (c == '.')
            c = ',';
    if (negative && text.find_first_not_of("0,") != std::string::npos)
        text.insert(text.begin(), '-');
    return text;
}

Extended RoundHalfEven(Extended value) {
    // nearbyint sets and restores the rounding mode on every call, and so
    // does a cast to a whole number, which both show in the profile of a
    // million conversions. Below 2^62, adding 1.5 x 2^63 leaves a sum whose
    // last place is the unit, so the addition itself rounds to a whole
    // number, ties to even (the program never leaves the default rounding),
    // and taking the constant off again is exact. A result of zero keeps the
    // value's sign.
    if (!(std::fabs(value) < 0x1p62L))
        return std::nearbyint(value);
    constexpr Extended kUnitInLastPlace = 0x1.8p63L;
    const Extended whole = (value + kUnitInLastPlace) - kUnitInLastPlace;
    return whole == 0 ? std::copysign(0.0L, value) : whole;
}

Extended Trunc(Extended value) {
    return std::trunc(value);
}

std::optional<int> TryToInt32(Extended value) {
    if (!(value >= -2147483648.0L && value <= 2147483647.0L))
        return std::nullopt;
    // A long double cast straight to int switches the x87 unit's rounding
    // mode there and back, which shows in the profile of a million frame
    // numbers. In the 32-bit range a double holds every whole number, so the
    // cast goes through one; the result is the value itself only when that
    // was whole.
    const int whole = static_cast<int>(static_cast<double>(value));
    if (static_cast<Extended>(whole) != value)
        return std::nullopt;
    return whole;
}

int ToInt32(Extended value) {
    const std::optional<int> whole = TryToInt32(value);
    if (!whole)
        ThrowNotInteger(FloatToStr(value));
    return *whole;
}

Extended Divide(Extended dividend, Extended divisor) {
    if (divisor == 0)
        throw DivisionError("Floating point division by zero");
    return dividend / divisor;
}
