#pragma once

#include "document/Numbers.h"

#include <optional>
#include <string>
#include <string_view>

// The one module that turns texts into numbers and numbers into texts.
// Decimal numbers use the decimal comma. Nothing here depends on the locale.

// A decimal digit, 0 to 9, whatever the locale.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A whole decimal number in 32 bits: optional leading blanks, an optional sign
// and digits, nothing after them. Throws ConvertError naming the text.
int StrToInt(std::string_view text);
std::optional<int> TryStrToInt(std::string_view text);

// A decimal number with the decimal comma and an optional exponent; blanks
// around it are allowed. Throws ConvertError naming the text.
Extended StrToFloat(std::string_view text);
std::optional<Extended> TryStrToFloat(std::string_view text);

std::string IntToStr(long long value);

// The general float format: the shortest of up to `precision` significant
// digits, no trailing zeros, decimal comma; exponent form ("1,5E+20") when
// the exponent reaches the precision or the value is below 0,00001, with at
// least `exponentDigits` exponent digits.
std::string FloatToStrGeneral(Extended value, int precision, int exponentDigits);
// The general format with 15 significant digits, as frame numbers and rates are written.
std::string FloatToStr(Extended value);
// Exactly `decimals` decimals (0 to 18), decimal comma ("2,500"); the exact
// value is rounded, an exact midpoint away from zero. Never "-0,000".
std::string FloatToStrFixed(Extended value, int decimals);
// The digits FloatToStrFixed writes for a value from 0, as one whole number
// (2,0625 to three decimals is 2063); nothing where they do not fit 64 bits
// or the value is below 2^-64 or not a number.
std::optional<unsigned long long> ScaledToWhole(Extended magnitude, int decimals);

// Rounding to the nearest whole number, ties to the even neighbour (37.5 -> 38, 62.5 -> 62).
Extended RoundHalfEven(Extended value);
// Truncation toward zero.
Extended Trunc(Extended value);
// A whole-valued Extended as a 32-bit integer; ConvertError when it does not fit.
int ToInt32(Extended value);
// The same, nothing when it does not fit or is not whole.
std::optional<int> TryToInt32(Extended value);
// dividend / divisor; DivisionError for a divisor of 0, which C++ would not report.
Extended Divide(Extended dividend, Extended divisor);
