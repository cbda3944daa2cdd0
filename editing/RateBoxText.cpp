#include "editing/RateBoxText.h"

#include "document/NumText.h"

#include <cmath>
#include <string_view>

std::optional<LeftRate> RateOfBoxText(const std::string &text) {
    std::string worked = text;
    const std::size_t slash = text.find('/');
    if (slash != std::string::npos) {
        const Extended a = StrToFloat(std::string_view(text).substr(0, slash));
        const Extended b = StrToFloat(std::string_view(text).substr(slash + 1));
        const double ratio = static_cast<double>(Divide(a, b));
        worked = FloatToStr(a * ratio);
    }
    const std::optional<Extended> fps = TryStrToFloat(worked);
    // A rate beyond the range of a double is no rate either.
    if (!fps || !std::isfinite(static_cast<double>(*fps)))
        return std::nullopt;
    const double rate = static_cast<double>(*fps);
    return LeftRate{FloatToStr(rate), rate};
}
