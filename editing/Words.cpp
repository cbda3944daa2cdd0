#include "editing/Words.h"

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <string>

struct WordSplitter::Breaks {
    std::unique_ptr<icu::BreakIterator> words;
};

namespace {

// The text with every "<...>" tag blanked, so its name is no word and the
// offsets stay those of the text.
std::string WithoutTags(std::string_view text) {
    std::string blanked(text);
    std::size_t open = blanked.find('<');
    while (open != std::string::npos) {
        const std::size_t close = blanked.find('>', open + 1);
        if (close == std::string::npos)
            break;
        blanked.replace(open, close - open + 1, close - open + 1, ' ');
        open = blanked.find('<', close + 1);
    }
    return blanked;
}

bool HoldsDigit(std::string_view word) {
    std::size_t at = 0;
    while (at < word.size()) {
        UChar32 c = 0;
        U8_NEXT(reinterpret_cast<const std::uint8_t *>(word.data()), at, word.size(), c);
        if (c >= 0 && u_isdigit(c))
            return true;
    }
    return false;
}

// Letters, syllables of kana and ideographs make words; numbers and the
// spaces and signs between words do not.
bool IsWordOfLetters(std::int32_t status) {
    return status >= UBRK_WORD_LETTER && status < UBRK_WORD_IDEO_LIMIT;
}

} // namespace

WordSplitter::WordSplitter() : breaks_(std::make_unique<Breaks>()) {
    UErrorCode status = U_ZERO_ERROR;
    breaks_->words.reset(icu::BreakIterator::createWordInstance(icu::Locale::getRoot(), status));
}

WordSplitter::~WordSplitter() = default;

std::vector<WordSpan> WordSplitter::Words(std::string_view text) {
    std::vector<WordSpan> words;
    if (!breaks_->words || text.empty())
        return words;
    const std::string blanked = WithoutTags(text);
    UErrorCode status = U_ZERO_ERROR;
    UText *utext =
        utext_openUTF8(nullptr, blanked.data(), static_cast<std::int64_t>(blanked.size()), &status);
    icu::BreakIterator &breaks = *breaks_->words;
    breaks.setText(utext, status);
    if (U_SUCCESS(status)) {
        std::int32_t start = breaks.first();
        for (std::int32_t end = breaks.next(); end != icu::BreakIterator::DONE;
             start = end, end = breaks.next()) {
            const WordSpan span{static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)};
            if (IsWordOfLetters(breaks.getRuleStatus()) && !HoldsDigit(text.substr(span.offset, span.size)))
                words.push_back(span);
        }
    }
    // The iterator must not keep a text that is about to go.
    breaks.setText(icu::UnicodeString());
    utext_close(utext);
    return words;
}
