#pragma once

#include <optional>
#include <string>

// The frame-rate box as leaving it leaves it.
struct LeftRate {
    std::string text; // the rate in the general float format
    double fps;
};

// "a/b" is worked out first as the rate a scaled by the ratio of the two
// rates. Nothing when the text is then no finite number; ConvertError when
// a or b of a two-rate text is not a number.
std::optional<LeftRate> RateOfBoxText(const std::string &text);
