#include "tools/FpsCalculator.h"

#include "document/Legendas.h"
#include "document/NumText.h"

// Only the first comma separates: later ones belong to the time, as the
// decimal comma of its seconds. CHOICE: a frame below 1 or a time below one
// second gives no usable rate, and is refused like a text that does not convert.
FpsCalculation CalculateFps(std::string_view input) {
    const std::size_t comma = input.find(',');
    if (comma == std::string_view::npos)
        return {std::nullopt, "Erro"};
    const std::string_view timeText = input.substr(comma + 1);
    const std::optional<int> frame = TryStrToInt(input.substr(0, comma));
    if (!frame || *frame < 1)
        return {std::nullopt, "Erro-> frame"};
    if (!IsValidTime(timeText))
        return {std::nullopt, "Erro-> hh:mm:ss"};
    const int seconds = TimeToSeconds(timeText);
    if (seconds < 1)
        return {std::nullopt, "Erro-> hh:mm:ss"};
    return {static_cast<Extended>(*frame) / seconds, {}};
}
