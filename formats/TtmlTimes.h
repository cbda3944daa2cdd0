#pragma once

#include "document/Numbers.h"

#include <optional>
#include <string_view>

// The time expressions of timed-text (TTML, DFXP) documents.

// The rates the root element gives for frames and ticks.
struct TtmlRates {
    Extended frameRate = 30; // frames a second, the multiplier applied
    Extended subFrameRate = 1;
    Extended tickRate = 1;
};

// The rates of the root's ttp:frameRate, ttp:frameRateMultiplier ("1000 1001"),
// ttp:subFrameRate and ttp:tickRate texts, empty when absent. A text that is
// not a positive number leaves the default. Without a tick rate, a tick is a
// sub-frame when a frame rate is given and a second otherwise.
TtmlRates ReadTtmlRates(std::string_view frameRate, std::string_view multiplier,
                        std::string_view subFrameRate, std::string_view tickRate);

// The seconds of a clock time "hh:mm:ss", "hh:mm:ss.fraction",
// "hh:mm:ss:frames" or "hh:mm:ss:frames.subframes", or of an offset time, a
// number and its unit: "1.5h", "2m", "3s", "40ms", "25f", "10000t". None
// for any other text.
std::optional<Extended> TtmlSeconds(std::string_view expression, const TtmlRates &rates);
