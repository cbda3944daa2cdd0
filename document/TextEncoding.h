#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The encodings files are read and written in. Inside, every text is UTF-8;
// a file's bytes are decoded once when read and encoded once when written.

struct TextEncoding {
    std::string name;           // the usual name, as the status bar and messages show it
    bool byteOrderMark = false; // written before the text (always for UTF-16 and UTF-32)
    bool operator==(const TextEncoding &) const = default;
};

// One encoding the user can name, with the languages it serves.
struct KnownEncoding {
    std::string_view name;
    std::string_view languages; // empty for the Unicode forms
};

// The encodings offered by name, the Unicode forms first.
std::span<const KnownEncoding> KnownEncodings();

// The encoding of a usual name or alias ("UTF-8", "cp1251", "latin1",
// "Shift_JIS"), in any case; "utf-8-bom" is UTF-8 with its mark.
std::optional<TextEncoding> FindEncoding(std::string_view name);

TextEncoding Utf8Encoding(bool byteOrderMark = false);

// The name FindEncoding takes back: "UTF-8-BOM" for UTF-8 with its mark.
std::string EncodingName(const TextEncoding &encoding);

// "Windows-1250 (Central European)"; "UTF-8 with byte-order mark".
std::string EncodingLabel(const TextEncoding &encoding);

// The code page of the legacy subtitles of a desktop language ("pl_PL",
// "ru", "zh_TW"): Windows-1250 for Polish, Windows-1251 for Russian, and so
// on; Windows-1252 for languages of Western Europe and any other.
TextEncoding LegacyEncodingForLanguage(std::string_view locale);

struct DecodedText {
    std::string utf8;
    std::size_t invalid = 0; // ill-formed or unmapped sequences, each read as U+FFFD
};

// True when ASCII text is the same bytes in the encoding: UTF-8 and the
// single-byte code pages that keep ASCII as it is.
bool KeepsAscii(const TextEncoding &encoding);

// The bytes (without their byte-order mark) as UTF-8.
DecodedText DecodeText(std::string_view bytes, const TextEncoding &encoding);

// Whether the encoding reads every byte as a character, as DecodeText would
// without a U+FFFD; nothing is written out, so asking of a large file is cheap.
bool DecodesWhole(std::string_view bytes, const TextEncoding &encoding);

struct SingleByteTable;

// Decodes a file line by line, in the encodings where a line's bytes read the
// same alone as within the whole text: UTF-8 and the single-byte code pages
// that keep ASCII, whose line ends are the ASCII bytes and which hold no
// state from one character to the next.
class LineDecoder {
public:
    explicit LineDecoder(const TextEncoding &encoding);

    bool Decodes() const { return utf8_ || table_ != nullptr; }
    // Appends the line's bytes as UTF-8 (only when Decodes()); returns how
    // many sequences were read as U+FFFD.
    std::size_t Append(std::string &out, std::string_view bytes) const;

private:
    bool utf8_;
    const SingleByteTable *table_ = nullptr;
};

// A character the encoding cannot hold, and where it starts in the text.
struct UnencodableCharacter {
    char32_t character;
    std::size_t offset;
};

struct UConverter;

// Encodes UTF-8 text in one encoding, its table or converter found once for
// all the lines of a file.
class TextEncoder {
public:
    explicit TextEncoder(TextEncoding encoding);
    ~TextEncoder();
    TextEncoder(const TextEncoder &) = delete;
    TextEncoder &operator=(const TextEncoder &) = delete;

    // As AppendEncoded.
    std::optional<UnencodableCharacter> Append(std::string &out, std::string_view utf8);

private:
    TextEncoding encoding_;
    const SingleByteTable *table_ = nullptr; // a single-byte code page's
    UConverter *converter_ = nullptr;        // any other code page's
};

// Encodes UTF-8 text and appends it to `out` (no byte-order mark). Returns the
// first character the encoding lacks, leaving `out` as far as it got; an
// ill-formed UTF-8 sequence is written as the encoding's form of U+FFFD, or
// stops the same way when the encoding lacks that too.
std::optional<UnencodableCharacter> AppendEncoded(std::string &out, std::string_view utf8,
                                                  const TextEncoding &encoding);

// The byte-order mark the encoding writes before a file ("" for none).
std::string_view ByteOrderMarkOf(const TextEncoding &encoding);

// "U+041F".
std::string CodePointName(char32_t character);

// The character as UTF-8 text.
std::string Utf8Of(char32_t character);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);
