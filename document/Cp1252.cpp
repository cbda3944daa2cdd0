#include "document/Cp1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace {

constexpr char32_t kUndefined = 0xFFFD;

// Bytes 0x80-0x9F; the rest of cp1252 is Latin-1. Five bytes have no character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,
};

constexpr char32_t ToUnicode(unsigned byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// Each byte's UTF-8 form, built once: converting a large file is a table walk.
struct Utf8Form {
    std::array<char, 3> bytes{};
    std::uint8_t length = 0;
};

constexpr std::array<Utf8Form, 256> kUtf8Forms = [] {
    std::array<Utf8Form, 256> forms{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char32_t c = ToUnicode(byte);
        Utf8Form &form = forms[byte];
        if (c < 0x80) {
            form.bytes[0] = static_cast<char>(c);
            form.length = 1;
        } else if (c < 0x800) {
            form.bytes[0] = static_cast<char>(0xC0 | (c >> 6));
            form.bytes[1] = static_cast<char>(0x80 | (c & 0x3F));
            form.length = 2;
        } else {
            form.bytes[0] = static_cast<char>(0xE0 | (c >> 12));
            form.bytes[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            form.bytes[2] = static_cast<char>(0x80 | (c & 0x3F));
            form.length = 3;
        }
    }
    return forms;
}();

struct Decoded {
    std::optional<char32_t> character; // empty for an ill-formed sequence
    std::size_t length;                // bytes taken, at least 1
};

// One UTF-8 sequence at `at`. An ill-formed one takes its longest start that
// could still have begun a valid sequence, so that it reads as one character.
Decoded DecodeOne(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t c = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0; // overlong below
        if (lead == 0xED)
            high = 0x9F; // surrogates above
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // past U+10FFFF above
    } else {
        return {std::nullopt, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= bytes.size())
            return {std::nullopt, i};
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (next < low || next > high)
            return {std::nullopt, i};
        low = 0x80;
        high = 0xBF;
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length};
}

} // namespace

std::optional<char> UnicodeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c && c != kUndefined)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 8);
    for (const char byte : text) {
        const Utf8Form &form = kUtf8Forms[static_cast<unsigned char>(byte)];
        utf8.append(form.bytes.data(), form.length);
    }
    return utf8;
}

Cp1252Text Utf8ToCp1252(std::string_view utf8) {
    Cp1252Text result;
    result.text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // Runs of ASCII, most of any subtitle file, are copied whole.
        std::size_t ascii = i;
        while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80)
            ++ascii;
        if (ascii > i) {
            result.text.append(utf8, i, ascii - i);
            i = ascii;
            continue;
        }
        const Decoded decoded = DecodeOne(utf8, i);
        i += decoded.length;
        const std::optional<char> byte =
            decoded.character ? UnicodeToCp1252(*decoded.character) : std::nullopt;
        if (byte) {
            result.text += *byte;
        } else {
            result.text += '?';
            ++result.replaced;
        }
    }
    return result;
}

Cp1252Text Utf16ToCp1252(std::string_view bytes, bool bigEndian) {
    Cp1252Text result;
    result.text.reserve(bytes.size() / 2 + 1);
    const auto unitAt = [&](std::size_t at) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    const auto replace = [&result] {
        result.text += '?';
        ++result.replaced;
    };
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(2 * i);
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            // A pair is one character beyond the first 65536, none of which
            // cp1252 has; a lone half is no character at all.
            const bool paired =
                unit <= 0xDBFF && i + 1 < units && unitAt(2 * i + 2) >= 0xDC00 && unitAt(2 * i + 2) <= 0xDFFF;
            i += paired ? 1 : 0;
            replace();
        } else if (const std::optional<char> byte = UnicodeToCp1252(unit)) {
            result.text += *byte;
        } else {
            replace();
        }
    }
    if (bytes.size() % 2 != 0)
        replace();
    return result;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const Decoded decoded = DecodeOne(bytes, i);
        if (!decoded.character)
            return false;
        i += decoded.length;
    }
    return true;
}
