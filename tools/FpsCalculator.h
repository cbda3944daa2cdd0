#pragma once

#include "document/Numbers.h"

#include <optional>
#include <string>
#include <string_view>

// A frame rate worked out from "frame,hh:mm:ss": the frame divided by the
// time in whole seconds, or the fixed text that says what is wrong.
struct FpsCalculation {
    std::optional<Extended> fps;
    std::string error;
};

FpsCalculation CalculateFps(std::string_view input);
