#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Runs of ASCII bytes, found eight bytes at a time: most subtitle text is
// ASCII between its accented letters, and decoding, encoding and counting
// characters all step over those runs. Inline, because the runs between two
// accents are short and a call would cost more than the scan.

// The top bit of every byte of a word.
inline constexpr std::uint64_t kTopBitsOfWord = 0x8080808080808080ULL;

// Where the first byte with its top bit set lies in a word read from text.
inline std::size_t FirstHighByte(std::uint64_t highBits) {
    const int bit =
        std::endian::native == std::endian::little ? std::countr_zero(highBits) : std::countl_zero(highBits);
    return static_cast<std::size_t>(bit) / 8;
}

// Where the run of ASCII bytes that starts at `from` ends: the first byte
// from 0x80 on, or the text's size.
inline std::size_t AsciiRunEnd(std::string_view text, std::size_t from) {
    for (std::uint64_t word = 0; from + sizeof word <= text.size(); from += sizeof word) {
        std::memcpy(&word, text.data() + from, sizeof word);
        if (const std::uint64_t high = word & kTopBitsOfWord; high != 0)
            return from + FirstHighByte(high);
    }
    while (from < text.size() && static_cast<unsigned char>(text[from]) < 0x80)
        ++from;
    return from;
}
