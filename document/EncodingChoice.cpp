#include "document/EncodingChoice.h"

#include "document/AsciiRuns.h"
#include "document/ThaiVietnamese.h"

#include <unicode/ucsdet.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>

namespace {

struct Mark {
    std::string_view bytes;
    std::string_view encoding;
};

// UTF-32 LE's mark begins with UTF-16 LE's, so it is looked for first.
constexpr std::array<Mark, 5> kMarks{{
    {std::string_view("\xFF\xFE\0\0", 4), "UTF-32LE"},
    {std::string_view("\0\0\xFE\xFF", 4), "UTF-32BE"},
    {"\xEF\xBB\xBF", "UTF-8"},
    {"\xFF\xFE", "UTF-16LE"},
    {"\xFE\xFF", "UTF-16BE"},
}};

std::optional<ChosenEncoding> ByMark(std::string_view bytes) {
    for (const Mark &mark : kMarks) {
        if (!bytes.starts_with(mark.bytes))
            continue;
        TextEncoding encoding = *FindEncoding(mark.encoding);
        encoding.byteOrderMark = true;
        return ChosenEncoding{encoding, EncodingSource::Mark, mark.bytes.size()};
    }
    return std::nullopt;
}

// The bytes beyond ASCII, counted up to `enough`: the choice asks no more of
// a large file than whether it has that many.
std::size_t NonAsciiBytes(std::string_view bytes, std::size_t enough) {
    std::size_t count = 0;
    for (std::size_t at = AsciiRunEnd(bytes, 0); count < enough && at < bytes.size();
         at = AsciiRunEnd(bytes, at + 1))
        ++count;
    return count;
}

// CHOICE: the detector is believed from this confidence on. On files of a
// few one-line subtitles it answers the right Windows code page with 20 to
// 50, so the bar stands low; the sample tests keep it honest.
constexpr std::int32_t kConfidentFrom = 20;
// CHOICE: the fallback is the code page of the user's own language, so it
// wins over a better answer by less than this: a Polish file whose few
// letters fit Windows-1252 as well is still Polish on a Polish desktop.
constexpr std::int32_t kFallbackMargin = 15;
// Fewer bytes beyond ASCII than this say too little about a code page.
constexpr std::size_t kEnoughNonAscii = 6;
// The detector reads this much of a file; more changes its answer little.
constexpr std::size_t kDetectorSample = 256 * 1024;

struct DetectorCloser {
    void operator()(UCharsetDetector *detector) const { ucsdet_close(detector); }
};

// Opening a detector allocates a match for each of its recognisers, which
// costs as much as detecting in a short file; each thread keeps one and
// gives it every text, since setting a text starts a detection afresh.
UCharsetDetector *ThreadDetector() {
    thread_local const std::unique_ptr<UCharsetDetector, DetectorCloser> detector = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<UCharsetDetector, DetectorCloser> opened(ucsdet_open(&status));
        if (U_FAILURE(status))
            opened.reset();
        return opened;
    }();
    return detector.get();
}

// CHOICE: ICU tells the ISO and Windows code pages of a script apart by the
// bytes 0x80 to 0x9F alone, which a short file may not hold. Subtitles are
// written with Windows tools, whose code pages place the same letters where
// the ISO ones do and add more, so the Windows one is read, as browsers do
// for Western European; Central European, whose letters the two place
// apart, keeps ICU's answer.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kReadAsWindows{{
    {"ISO-8859-1", "Windows-1252"},
    {"ISO-8859-7", "Windows-1253"},
    {"ISO-8859-8", "Windows-1255"},
    {"ISO-8859-8-I", "Windows-1255"},
    {"ISO-8859-9", "Windows-1254"},
}};

// An answer of ICU's in our names; none for one we do not read.
std::optional<TextEncoding> OurEncoding(std::string_view detected) {
    for (const auto &[iso, windows] : kReadAsWindows)
        if (detected == iso)
            return FindEncoding(windows);
    std::optional<TextEncoding> encoding = FindEncoding(detected);
    // A Unicode form without its mark is not what this step can tell.
    if (encoding && encoding->name.starts_with("UTF"))
        return std::nullopt;
    return encoding;
}

// ICU's best answer when it is confident enough, or the fallback when that
// comes close enough to it; answers that leave bytes undefined are passed over.
std::optional<TextEncoding> Detect(std::string_view bytes, const TextEncoding &fallback) {
    UCharsetDetector *const detector = ThreadDetector();
    if (detector == nullptr)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const std::string_view sample = bytes.substr(0, kDetectorSample);
    ucsdet_setText(detector, sample.data(), static_cast<std::int32_t>(sample.size()), &status);
    std::int32_t count = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector, &count, &status);
    if (U_FAILURE(status) || matches == nullptr)
        return std::nullopt;
    std::optional<TextEncoding> best;
    std::int32_t bestConfidence = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const char *name = ucsdet_getName(matches[i], &status);
        const std::int32_t confidence = ucsdet_getConfidence(matches[i], &status);
        if (U_FAILURE(status) || name == nullptr)
            return best;
        const std::optional<TextEncoding> encoding = OurEncoding(name);
        if (!encoding || !DecodesWhole(bytes, *encoding))
            continue;
        if (!best) {
            if (confidence < kConfidentFrom)
                return std::nullopt;
            best = encoding;
            bestConfidence = confidence;
        }
        if (encoding->name == fallback.name && confidence + kFallbackMargin >= bestConfidence)
            return encoding;
        if (confidence + kFallbackMargin < bestConfidence)
            break;
    }
    return best;
}

// Windows-874 or Windows-1258 when the sample the detector would read looks
// like Thai or Vietnamese and the code page defines every byte of the file.
std::optional<TextEncoding> ThaiOrVietnamese(std::string_view bytes) {
    const std::string_view sample = bytes.substr(0, kDetectorSample);
    std::optional<TextEncoding> encoding;
    if (LooksLikeThai(sample))
        encoding = FindEncoding("Windows-874");
    else if (LooksLikeVietnamese(sample))
        encoding = FindEncoding("Windows-1258");
    if (!encoding || !DecodesWhole(bytes, *encoding))
        return std::nullopt;
    return encoding;
}

} // namespace

ChosenEncoding ChooseEncoding(std::string_view bytes, const ReadingOptions &options) {
    const std::optional<ChosenEncoding> marked = ByMark(bytes);
    if (options.named) {
        ChosenEncoding chosen{*options.named, EncodingSource::Named, 0};
        // A mark of the very encoding named is still no text.
        if (marked && marked->encoding.name == options.named->name) {
            chosen.markSize = marked->markSize;
            chosen.encoding.byteOrderMark = true;
        }
        return chosen;
    }
    if (marked)
        return *marked;
    const std::size_t nonAscii = NonAsciiBytes(bytes, kEnoughNonAscii);
    if (nonAscii > 0 && IsValidUtf8(bytes))
        return ChosenEncoding{Utf8Encoding(), EncodingSource::Utf8, 0};
    if (options.detect && nonAscii >= kEnoughNonAscii) {
        if (std::optional<TextEncoding> thaiOrVietnamese = ThaiOrVietnamese(bytes))
            return ChosenEncoding{*thaiOrVietnamese, EncodingSource::Detected, 0};
        if (std::optional<TextEncoding> detected = Detect(bytes, options.fallback))
            return ChosenEncoding{*detected, EncodingSource::Detected, 0};
    }
    return ChosenEncoding{options.fallback, EncodingSource::Fallback, 0};
}
