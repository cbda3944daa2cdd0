#include "document/TextEncoding.h"

#include "document/AsciiRuns.h"
#include "document/TwoThreads.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

// A code page of one byte a character: each byte's UTF-8 form, and the byte
// of each character it holds. Decoding and encoding are then table walks.
struct SingleByteTable {
    // The UTF-8 form of each byte in the low bytes of a word, written whole
    // through a pointer, and its length: 0 for a byte the code page leaves
    // undefined. A byte stands for one character, so a form is 1 to 4 bytes.
    std::array<std::uint32_t, 256> form{};
    std::array<std::uint8_t, 256> formSize{};
    bool asciiCompatible = true; // every byte below 0x80 is its ASCII character
    // The byte of each character of the first 65536, -1 where the code page
    // has none: one look-up a character when writing.
    std::vector<std::int16_t> byteOf = std::vector<std::int16_t>(0x10000, -1);
};

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The usual name, the name ICU's converters know it by, its languages, and
// the other names users type for it.
struct EncodingRow {
    std::string_view name;
    std::string_view icuName;
    std::string_view languages;
    std::array<std::string_view, 4> aliases;
};

// clang-format off
constexpr std::array<EncodingRow, 38> kEncodings{{
    {"UTF-8", "UTF-8", "", {"utf8"}},
    {"UTF-16LE", "UTF-16LE", "", {"utf16le", "utf-16", "utf16", "ucs-2"}},
    {"UTF-16BE", "UTF-16BE", "", {"utf16be"}},
    {"UTF-32LE", "UTF-32LE", "", {"utf32le", "utf-32", "utf32"}},
    {"UTF-32BE", "UTF-32BE", "", {"utf32be"}},
    {"Windows-1250", "windows-1250", "Central European", {"cp1250", "win1250", "x-cp1250"}},
    {"Windows-1251", "windows-1251", "Cyrillic", {"cp1251", "win1251", "x-cp1251"}},
    {"Windows-1252", "windows-1252", "Western European", {"cp1252", "win1252", "x-cp1252"}},
    {"Windows-1253", "windows-1253", "Greek", {"cp1253", "win1253"}},
    {"Windows-1254", "windows-1254", "Turkish", {"cp1254", "win1254"}},
    {"Windows-1255", "windows-1255", "Hebrew", {"cp1255", "win1255"}},
    {"Windows-1256", "windows-1256", "Arabic", {"cp1256", "win1256"}},
    {"Windows-1257", "windows-1257", "Baltic", {"cp1257", "win1257"}},
    {"Windows-1258", "windows-1258", "Vietnamese", {"cp1258", "win1258"}},
    {"Windows-874", "windows-874", "Thai", {"cp874", "win874", "tis-620"}},
    {"ISO-8859-1", "ISO-8859-1", "Western European", {"iso8859-1", "latin1", "latin-1", "l1"}},
    {"ISO-8859-2", "ISO-8859-2", "Central European", {"iso8859-2", "latin2", "latin-2", "l2"}},
    {"ISO-8859-3", "ISO-8859-3", "South European", {"iso8859-3", "latin3", "latin-3", "l3"}},
    {"ISO-8859-4", "ISO-8859-4", "Baltic", {"iso8859-4", "latin4", "latin-4", "l4"}},
    {"ISO-8859-5", "ISO-8859-5", "Cyrillic", {"iso8859-5", "cyrillic"}},
    {"ISO-8859-6", "ISO-8859-6", "Arabic", {"iso8859-6", "arabic"}},
    {"ISO-8859-7", "ISO-8859-7", "Greek", {"iso8859-7", "greek"}},
    {"ISO-8859-8", "ISO-8859-8", "Hebrew", {"iso8859-8", "hebrew"}},
    {"ISO-8859-9", "ISO-8859-9", "Turkish", {"iso8859-9", "latin5", "latin-5", "l5"}},
    {"ISO-8859-10", "ISO-8859-10", "Nordic", {"iso8859-10", "latin6", "latin-6", "l6"}},
    {"ISO-8859-11", "ISO-8859-11", "Thai", {"iso8859-11"}},
    {"ISO-8859-13", "ISO-8859-13", "Baltic", {"iso8859-13", "latin7", "latin-7", "l7"}},
    {"ISO-8859-14", "ISO-8859-14", "Celtic", {"iso8859-14", "latin8", "latin-8", "l8"}},
    {"ISO-8859-15", "ISO-8859-15", "Western European", {"iso8859-15", "latin9", "latin-9", "l9"}},
    {"ISO-8859-16", "ISO-8859-16", "South-Eastern European", {"iso8859-16", "latin10", "latin-10", "l10"}},
    {"KOI8-R", "KOI8-R", "Russian", {"koi8r", "koi8"}},
    {"KOI8-U", "KOI8-U", "Ukrainian", {"koi8u"}},
    {"GBK", "GBK", "Simplified Chinese", {"cp936", "gb2312", "euc-cn"}},
    {"GB18030", "GB18030", "Chinese", {"gb-18030"}},
    {"Big5", "Big5", "Traditional Chinese", {"big-5", "cp950"}},
    {"Shift_JIS", "Shift_JIS", "Japanese", {"shift-jis", "sjis", "cp932"}},
    {"EUC-JP", "EUC-JP", "Japanese", {"eucjp"}},
    {"EUC-KR", "EUC-KR", "Korean", {"euckr", "cp949", "ks_c_5601-1987"}},
}};
// clang-format on

std::string Folded(std::string_view name) {
    std::string folded;
    for (const char c : name)
        folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return folded;
}

// Whether `name` is `folded` but for the case of its ASCII letters.
bool FoldsTo(std::string_view name, std::string_view folded) {
    return std::equal(name.begin(), name.end(), folded.begin(), folded.end(), [](char c, char lower) {
        return ((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c) == lower;
    });
}

const EncodingRow *RowOf(std::string_view name) {
    const std::string folded = Folded(name);
    for (const EncodingRow &row : kEncodings) {
        if (FoldsTo(row.name, folded))
            return &row;
        for (const std::string_view alias : row.aliases)
            if (!alias.empty() && alias == folded)
                return &row;
    }
    return nullptr;
}

bool IsUtf8(const TextEncoding &encoding) {
    return encoding.name == "UTF-8";
}

struct ConverterCloser {
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A converter that stops at the first byte or character it cannot map, and
// that maps only round trips: nothing is written as a look-alike.
Converter OpenConverter(const TextEncoding &encoding) {
    const EncodingRow *row = RowOf(encoding.name);
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(row != nullptr ? std::string(row->icuName).c_str() : "US-ASCII", &status));
    if (U_FAILURE(status))
        return nullptr;
    ucnv_setFallback(converter.get(), false);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    return converter;
}

// Whether this ICU can convert the encoding: its data may lack a code page
// (Debian's lacks ISO-8859-16), and one it lacks is neither offered nor found.
// Opening a converter costs more than decoding a short file, so each is
// asked once.
bool Converts(const EncodingRow &row) {
    static const std::array<bool, kEncodings.size()> converts = [] {
        std::array<bool, kEncodings.size()> answers{};
        for (std::size_t i = 0; i < kEncodings.size(); ++i)
            answers[i] = kEncodings[i].name.starts_with("UTF") ||
                         OpenConverter(TextEncoding{std::string(kEncodings[i].name)}) != nullptr;
        return answers;
    }();
    return converts[static_cast<std::size_t>(&row - kEncodings.data())];
}

void AppendUtf8(std::string &out, char32_t c) {
    char bytes[4];
    std::size_t length = 0;
    UBool failed = false;
    U8_APPEND(bytes, length, 4, c, failed);
    if (failed)
        return;
    out.append(bytes, length);
}

std::unique_ptr<SingleByteTable> BuildSingleByteTable(UConverter *converter) {
    auto table = std::make_unique<SingleByteTable>();
    for (int byte = 0; byte < 256; ++byte) {
        ucnv_resetToUnicode(converter);
        const char in = static_cast<char>(byte);
        const char *source = &in;
        UChar units[4];
        UChar *target = units;
        UErrorCode status = U_ZERO_ERROR;
        ucnv_toUnicode(converter, &target, units + 4, &source, &in + 1, nullptr, true, &status);
        const auto count = static_cast<int>(target - units);
        if (U_FAILURE(status) || count == 0)
            continue;
        int at = 0;
        UChar32 c = 0;
        U16_NEXT(units, at, count, c);
        if (c == kReplacement && byte != 0)
            continue;
        std::string form;
        AppendUtf8(form, static_cast<char32_t>(c));
        std::memcpy(&table->form[static_cast<std::size_t>(byte)], form.data(), form.size());
        table->formSize[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(form.size());
        if (c < 0x10000)
            table->byteOf[static_cast<std::size_t>(c)] = static_cast<std::int16_t>(byte);
        if (byte < 0x80)
            table->asciiCompatible = table->asciiCompatible && c == byte;
    }
    return table;
}

// The table of a single-byte encoding, built once; none for other encodings.
const SingleByteTable *SingleByteTableOf(const TextEncoding &encoding) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<SingleByteTable>> tables;
    const std::lock_guard lock(mutex);
    const auto found = tables.find(encoding.name);
    if (found != tables.end())
        return found->second.get();
    std::unique_ptr<SingleByteTable> table;
    if (const Converter converter = OpenConverter(encoding);
        converter && ucnv_getMaxCharSize(converter.get()) == 1)
        table = BuildSingleByteTable(converter.get());
    return tables.emplace(encoding.name, std::move(table)).first->second.get();
}

// Copies the ASCII run that starts at `from` to `to` and returns where it
// ends. It goes eight bytes at a time and may write up to seven bytes past
// the run's copy, so `to` needs room for as many bytes as the text has left.
std::size_t CopyAsciiRun(std::string_view text, std::size_t from, char *&to) {
    for (std::uint64_t word = 0; from + sizeof word <= text.size(); from += sizeof word, to += sizeof word) {
        std::memcpy(&word, text.data() + from, sizeof word);
        std::memcpy(to, &word, sizeof word);
        if (const std::uint64_t high = word & kTopBitsOfWord; high != 0) {
            const std::size_t ascii = FirstHighByte(high);
            to += ascii;
            return from + ascii;
        }
    }
    while (from < text.size() && static_cast<unsigned char>(text[from]) < 0x80)
        *to++ = text[from++];
    return from;
}

// Appends the bytes read as UTF-8; returns how many sequences were ill-formed.
std::size_t AppendUtf8Decoded(std::string &out, std::string_view bytes) {
    std::size_t invalid = 0;
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t ascii = AsciiRunEnd(bytes, i);
        out.append(bytes, i, ascii - i);
        i = ascii;
        if (i == bytes.size())
            break;
        auto at = static_cast<std::int32_t>(i);
        UChar32 c = 0;
        U8_NEXT(data, at, length, c);
        if (c < 0) {
            AppendUtf8(out, kReplacement);
            ++invalid;
        } else {
            out.append(bytes, i, static_cast<std::size_t>(at) - i);
        }
        i = static_cast<std::size_t>(at);
    }
    return invalid;
}

DecodedText DecodeUtf8(std::string_view bytes) {
    DecodedText decoded;
    decoded.utf8.reserve(bytes.size());
    decoded.invalid = AppendUtf8Decoded(decoded.utf8, bytes);
    return decoded;
}

// Appends the bytes read in a single-byte code page; returns how many bytes
// it leaves undefined. Each byte becomes at most four bytes of UTF-8, so a
// piece of the input gets its room at once and is written through a pointer:
// a call per accented letter showed in the profile of a large file.
std::size_t AppendSingleByteDecoded(std::string &out, std::string_view bytes, const SingleByteTable &table) {
    constexpr std::size_t kPiece = 16384;
    constexpr std::string_view kReplacementForm = "\xEF\xBF\xBD"; // U+FFFD
    std::size_t invalid = 0;
    for (std::size_t from = 0; from < bytes.size(); from += kPiece) {
        const std::string_view piece = bytes.substr(from, kPiece);
        const std::size_t start = out.size();
        out.resize(start + 4 * piece.size());
        char *to = out.data() + start;
        for (std::size_t i = 0; i < piece.size();) {
            if (table.asciiCompatible) {
                i = CopyAsciiRun(piece, i, to);
                if (i == piece.size())
                    break;
            }
            const auto byte = static_cast<unsigned char>(piece[i++]);
            if (table.formSize[byte] == 0) {
                std::memcpy(to, kReplacementForm.data(), kReplacementForm.size());
                to += kReplacementForm.size();
                ++invalid;
            } else {
                std::memcpy(to, &table.form[byte], 4);
                to += table.formSize[byte];
            }
        }
        out.resize(static_cast<std::size_t>(to - out.data()));
    }
    return invalid;
}

DecodedText DecodeSingleByte(std::string_view bytes, const SingleByteTable &table) {
    DecodedText decoded;
    decoded.utf8.reserve(bytes.size() + bytes.size() / 8);
    decoded.invalid = AppendSingleByteDecoded(decoded.utf8, bytes, table);
    return decoded;
}

// Any other encoding through ICU, a piece at a time; an unmapped or
// ill-formed sequence is read as U+FFFD and decoding goes on after it.
DecodedText DecodeWithConverter(std::string_view bytes, UConverter *converter) {
    DecodedText decoded;
    decoded.utf8.reserve(bytes.size() + bytes.size() / 2);
    const char *source = bytes.data();
    const char *const end = bytes.data() + bytes.size();
    std::array<UChar, 4096> units{};
    for (;;) {
        const char *const before = source;
        UChar *target = units.data();
        UErrorCode status = U_ZERO_ERROR;
        ucnv_toUnicode(converter, &target, units.data() + units.size(), &source, end, nullptr, true, &status);
        const auto count = static_cast<std::int32_t>(target - units.data());
        for (std::int32_t at = 0; at < count;) {
            UChar32 c = 0;
            U16_NEXT(units.data(), at, count, c);
            AppendUtf8(decoded.utf8, U_IS_SURROGATE(c) ? kReplacement : static_cast<char32_t>(c));
        }
        if (status == U_BUFFER_OVERFLOW_ERROR)
            continue;
        if (U_SUCCESS(status))
            break;
        // The converter has consumed what it could not read; go on after it.
        AppendUtf8(decoded.utf8, kReplacement);
        ++decoded.invalid;
        ucnv_resetToUnicode(converter);
        if (source == before && count == 0)
            ++source;
        if (source >= end)
            break;
    }
    return decoded;
}

char32_t NextCharacter(std::string_view utf8, std::size_t &at) {
    // Two bytes hold the letters of most scripts beyond ASCII; a well-formed
    // pair is read here, anything else by ICU.
    if (const auto lead = static_cast<unsigned char>(utf8[at]);
        lead >= 0xC2 && lead <= 0xDF && at + 1 < utf8.size()) {
        if (const auto trail = static_cast<unsigned char>(utf8[at + 1]); (trail & 0xC0) == 0x80) {
            at += 2;
            return static_cast<char32_t>((lead & 0x1Fu) << 6 | (trail & 0x3Fu));
        }
    }
    const auto *data = reinterpret_cast<const std::uint8_t *>(utf8.data());
    auto index = static_cast<std::int32_t>(at);
    UChar32 c = 0;
    U8_NEXT(data, index, static_cast<std::int32_t>(utf8.size()), c);
    at = static_cast<std::size_t>(index);
    return c < 0 ? kReplacement : static_cast<char32_t>(c);
}

std::optional<UnencodableCharacter> AppendUtf16Or32(std::string &out, std::string_view utf8, bool wide,
                                                    bool bigEndian) {
    const auto put = [&](std::uint32_t unit, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
            out += static_cast<char>((unit >> shift) & 0xFF);
        }
    };
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = NextCharacter(utf8, at);
        if (wide) {
            put(c, 4);
        } else if (c <= 0xFFFF) {
            put(c, 2);
        } else {
            put(U16_LEAD(c), 2);
            put(U16_TRAIL(c), 2);
        }
    }
    return std::nullopt;
}

// Each character becomes one byte, so the text gets its room at once and is
// written through a pointer.
std::optional<UnencodableCharacter> AppendSingleByte(std::string &out, std::string_view utf8,
                                                     const SingleByteTable &table) {
    const std::size_t begin = out.size();
    out.resize(begin + utf8.size());
    char *to = out.data() + begin;
    std::optional<UnencodableCharacter> unencodable;
    for (std::size_t at = 0; at < utf8.size();) {
        if (table.asciiCompatible) {
            at = CopyAsciiRun(utf8, at, to);
            if (at == utf8.size())
                break;
        }
        const std::size_t start = at;
        const char32_t c = NextCharacter(utf8, at);
        const std::int16_t byte = c < 0x10000 ? table.byteOf[c] : -1;
        if (byte < 0) {
            unencodable = UnencodableCharacter{c, start};
            break;
        }
        *to++ = static_cast<char>(byte);
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return unencodable;
}

std::optional<UnencodableCharacter> AppendWithConverter(std::string &out, std::string_view utf8,
                                                        UConverter *converter) {
    std::array<char, 16> bytes{};
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const char32_t c = NextCharacter(utf8, at);
        UChar units[2];
        int32_t count = 0;
        UBool failed = false;
        U16_APPEND(units, count, 2, c, failed);
        const UChar *source = units;
        char *target = bytes.data();
        UErrorCode status = U_ZERO_ERROR;
        ucnv_fromUnicode(converter, &target, bytes.data() + bytes.size(), &source, units + count, nullptr,
                         false, &status);
        if (U_FAILURE(status) || failed) {
            ucnv_resetFromUnicode(converter);
            return UnencodableCharacter{c, start};
        }
        out.append(bytes.data(), static_cast<std::size_t>(target - bytes.data()));
    }
    return std::nullopt;
}

} // namespace

std::span<const KnownEncoding> KnownEncodings() {
    static const std::vector<KnownEncoding> known = [] {
        std::vector<KnownEncoding> all;
        // An encoding this ICU cannot convert is not offered at all.
        for (const EncodingRow &row : kEncodings)
            if (Converts(row))
                all.push_back(KnownEncoding{row.name, row.languages});
        return all;
    }();
    return known;
}

std::optional<TextEncoding> FindEncoding(std::string_view name) {
    const std::string folded = Folded(name);
    if (folded == "utf-8-bom" || folded == "utf8-bom" || folded == "utf-8-sig")
        return Utf8Encoding(true);
    const EncodingRow *row = RowOf(name);
    if (row == nullptr || !Converts(*row))
        return std::nullopt;
    TextEncoding encoding{std::string(row->name), false};
    // UTF-16 and UTF-32 files always carry their mark, so readers know the byte order.
    encoding.byteOrderMark = encoding.name.starts_with("UTF-16") || encoding.name.starts_with("UTF-32");
    return encoding;
}

TextEncoding Utf8Encoding(bool byteOrderMark) {
    return TextEncoding{"UTF-8", byteOrderMark};
}

std::string EncodingName(const TextEncoding &encoding) {
    return IsUtf8(encoding) && encoding.byteOrderMark ? "UTF-8-BOM" : encoding.name;
}

std::string EncodingLabel(const TextEncoding &encoding) {
    if (IsUtf8(encoding) && encoding.byteOrderMark)
        return "UTF-8 with byte-order mark";
    const EncodingRow *row = RowOf(encoding.name);
    if (row == nullptr || row->languages.empty())
        return encoding.name;
    return encoding.name + " (" + std::string(row->languages) + ")";
}

TextEncoding LegacyEncodingForLanguage(std::string_view locale) {
    struct LanguageCodePage {
        std::string_view language;
        std::string_view encoding;
    };
    // Traditional Chinese is told apart by its region before the language alone is looked up.
    static constexpr std::array<LanguageCodePage, 32> kCodePages{{
        {"zh_tw", "Big5"},      {"zh_hk", "Big5"},      {"zh_mo", "Big5"},      {"zh", "GBK"},
        {"ja", "Shift_JIS"},    {"ko", "EUC-KR"},       {"th", "Windows-874"},  {"vi", "Windows-1258"},
        {"pl", "Windows-1250"}, {"cs", "Windows-1250"}, {"sk", "Windows-1250"}, {"hu", "Windows-1250"},
        {"sl", "Windows-1250"}, {"hr", "Windows-1250"}, {"bs", "Windows-1250"}, {"ro", "Windows-1250"},
        {"sq", "Windows-1250"}, {"ru", "Windows-1251"}, {"uk", "Windows-1251"}, {"be", "Windows-1251"},
        {"bg", "Windows-1251"}, {"mk", "Windows-1251"}, {"sr", "Windows-1251"}, {"el", "Windows-1253"},
        {"tr", "Windows-1254"}, {"az", "Windows-1254"}, {"he", "Windows-1255"}, {"ar", "Windows-1256"},
        {"fa", "Windows-1256"}, {"lt", "Windows-1257"}, {"lv", "Windows-1257"}, {"et", "Windows-1257"},
    }};
    std::string folded = Folded(locale);
    std::replace(folded.begin(), folded.end(), '-', '_');
    for (const LanguageCodePage &row : kCodePages) {
        const bool matches = folded.starts_with(row.language) &&
                             (folded.size() == row.language.size() || folded[row.language.size()] == '_' ||
                              folded[row.language.size()] == '.' || folded[row.language.size()] == '@');
        if (matches)
            return *FindEncoding(row.encoding);
    }
    return *FindEncoding("Windows-1252");
}

namespace {

// Whether the code page defines every byte, found without writing the text out.
bool DefinesEveryByteOf(std::string_view bytes, const SingleByteTable &table) {
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (table.asciiCompatible) {
            at = AsciiRunEnd(bytes, at);
            if (at == bytes.size())
                break;
        }
        if (table.formSize[static_cast<unsigned char>(bytes[at])] == 0)
            return false;
    }
    return true;
}

// The same, a large text in two halves at once.
bool DefinesEveryByte(std::string_view bytes, const SingleByteTable &table) {
    constexpr std::size_t kHalvedFrom = std::size_t{1} << 20;
    if (!TwoThreadsFor(bytes.size(), kHalvedFrom))
        return DefinesEveryByteOf(bytes, table);
    const std::size_t half = bytes.size() / 2;
    const auto [front, back] = BothHalves([&] { return DefinesEveryByteOf(bytes.substr(0, half), table); },
                                          [&] { return DefinesEveryByteOf(bytes.substr(half), table); });
    return front && back;
}

// Whether ICU reads the bytes through without an unmapped or ill-formed
// sequence, a piece at a time into a buffer that is thrown away.
bool ConvertsWhole(std::string_view bytes, UConverter *converter) {
    const char *source = bytes.data();
    const char *const end = bytes.data() + bytes.size();
    std::array<UChar, 4096> units{};
    for (;;) {
        UChar *target = units.data();
        UErrorCode status = U_ZERO_ERROR;
        ucnv_toUnicode(converter, &target, units.data() + units.size(), &source, end, nullptr, true, &status);
        if (status != U_BUFFER_OVERFLOW_ERROR)
            return U_SUCCESS(status);
    }
}

} // namespace

bool DecodesWhole(std::string_view bytes, const TextEncoding &encoding) {
    if (IsUtf8(encoding))
        return IsValidUtf8(bytes);
    if (const SingleByteTable *table = SingleByteTableOf(encoding))
        return DefinesEveryByte(bytes, *table);
    const Converter converter = OpenConverter(encoding);
    if (!converter)
        return IsValidUtf8(bytes);
    return ConvertsWhole(bytes, converter.get());
}

bool KeepsAscii(const TextEncoding &encoding) {
    if (IsUtf8(encoding))
        return true;
    const SingleByteTable *table = SingleByteTableOf(encoding);
    return table != nullptr && table->asciiCompatible;
}

DecodedText DecodeText(std::string_view bytes, const TextEncoding &encoding) {
    if (IsUtf8(encoding))
        return DecodeUtf8(bytes);
    if (const SingleByteTable *table = SingleByteTableOf(encoding))
        return DecodeSingleByte(bytes, *table);
    const Converter converter = OpenConverter(encoding);
    if (!converter)
        return DecodeUtf8(bytes);
    return DecodeWithConverter(bytes, converter.get());
}

LineDecoder::LineDecoder(const TextEncoding &encoding) : utf8_(IsUtf8(encoding)) {
    if (!utf8_)
        if (const SingleByteTable *table = SingleByteTableOf(encoding);
            table != nullptr && table->asciiCompatible)
            table_ = table;
}

std::size_t LineDecoder::Append(std::string &out, std::string_view bytes) const {
    return utf8_ ? AppendUtf8Decoded(out, bytes) : AppendSingleByteDecoded(out, bytes, *table_);
}

TextEncoder::TextEncoder(TextEncoding encoding) : encoding_(std::move(encoding)) {
    if (IsUtf8(encoding_) || encoding_.name.starts_with("UTF-16") || encoding_.name.starts_with("UTF-32"))
        return;
    table_ = SingleByteTableOf(encoding_);
    if (table_ == nullptr)
        converter_ = OpenConverter(encoding_).release();
}

TextEncoder::~TextEncoder() {
    if (converter_ != nullptr)
        ucnv_close(converter_);
}

std::optional<UnencodableCharacter> TextEncoder::Append(std::string &out, std::string_view utf8) {
    if (IsUtf8(encoding_)) {
        if (IsValidUtf8(utf8))
            out += utf8;
        else
            out += DecodeUtf8(utf8).utf8;
        return std::nullopt;
    }
    if (encoding_.name.starts_with("UTF-16") || encoding_.name.starts_with("UTF-32"))
        return AppendUtf16Or32(out, utf8, encoding_.name.starts_with("UTF-32"),
                               encoding_.name.ends_with("BE"));
    if (table_ != nullptr)
        return AppendSingleByte(out, utf8, *table_);
    // Without a converter (a code page this ICU lacks) nothing but empty text
    // can be written: ICU refuses the first character.
    return AppendWithConverter(out, utf8, converter_);
}

std::optional<UnencodableCharacter> AppendEncoded(std::string &out, std::string_view utf8,
                                                  const TextEncoding &encoding) {
    return TextEncoder(encoding).Append(out, utf8);
}

std::string_view ByteOrderMarkOf(const TextEncoding &encoding) {
    if (!encoding.byteOrderMark)
        return {};
    if (IsUtf8(encoding))
        return "\xEF\xBB\xBF";
    if (encoding.name == "UTF-16LE")
        return std::string_view("\xFF\xFE", 2);
    if (encoding.name == "UTF-16BE")
        return std::string_view("\xFE\xFF", 2);
    if (encoding.name == "UTF-32LE")
        return std::string_view("\xFF\xFE\0\0", 4);
    if (encoding.name == "UTF-32BE")
        return std::string_view("\0\0\xFE\xFF", 4);
    return {};
}

std::string CodePointName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

std::string Utf8Of(char32_t character) {
    std::string text;
    AppendUtf8(text, character);
    return text;
}

bool IsValidUtf8(std::string_view bytes) {
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    for (std::size_t i = AsciiRunEnd(bytes, 0); i < bytes.size(); i = AsciiRunEnd(bytes, i)) {
        auto at = static_cast<std::int32_t>(i);
        UChar32 c = 0;
        U8_NEXT(data, at, length, c);
        if (c < 0)
            return false;
        i = static_cast<std::size_t>(at);
    }
    return true;
}
