#pragma once

#include <cstdint>
#include <string>

// The interface texts that follow the language: 64 rows in Portuguese (1),
// English (2), Danish (3) and Spanish (4), UTF-8, exactly as shown.
constexpr int kMessageRows = 64;

// Throws ListIndexError for a row outside 0..63 or a language outside 1..4.
const std::string& MessageText(int row, std::uint8_t language);
