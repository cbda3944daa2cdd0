#pragma once

#include <limits>

// Frame and time arithmetic runs in the x87 80-bit extended format.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "Extended must have a 64-bit significand");
