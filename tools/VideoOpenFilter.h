#pragma once

#include <cstdint>
#include <string>

// The preview's open dialog in the language: every video file the player
// knows, then AVI, then all files.
std::string VideoOpenFilter(std::uint8_t language);
