#include "editing/SpellSteps.h"

#include "document/FrameLine.h"

#include <cstdlib>

namespace {

// The subtitle's text and how many bytes of "{start}{end}" stand before it.
struct EntryText {
    std::string_view text;
    std::size_t offset;
};

EntryText TextOf(std::string_view entry) {
    const std::string_view text = ListedFrameLine(entry).text;
    return {text, entry.size() - text.size()};
}

} // namespace

std::optional<UnknownWord> NextUnknownWord(const TextList &list, std::size_t subtitle, std::size_t offset,
                                           const SpellChecker &checker,
                                           const std::set<std::string, std::less<>> &ignored,
                                           WordSplitter &splitter) {
    for (std::size_t i = subtitle; i < list.Count(); ++i) {
        const EntryText entry = TextOf(list[i]);
        const std::size_t from = i == subtitle ? offset : 0;
        for (const WordSpan &span : splitter.Words(entry.text)) {
            const std::size_t at = entry.offset + span.offset;
            const std::string_view word = entry.text.substr(span.offset, span.size);
            if (at >= from && ignored.count(word) == 0 && !checker.Knows(word))
                return UnknownWord{i, at, std::string(word)};
        }
    }
    return std::nullopt;
}

std::size_t ReplaceWordEverywhere(TextList &list, std::string_view word, std::string_view replacement,
                                  WordSplitter &splitter) {
    std::size_t replaced = 0;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const std::string_view entry = list[i];
        // A quick look first: most subtitles do not hold the word at all.
        if (entry.find(word) == std::string_view::npos)
            continue;
        const EntryText text = TextOf(entry);
        std::string changed(entry.substr(0, text.offset));
        std::size_t copied = 0;
        for (const WordSpan &span : splitter.Words(text.text)) {
            if (text.text.substr(span.offset, span.size) != word)
                continue;
            changed.append(text.text.substr(copied, span.offset - copied)).append(replacement);
            copied = span.offset + span.size;
            ++replaced;
        }
        if (copied == 0)
            continue;
        changed.append(text.text.substr(copied));
        list.Set(i, changed);
    }
    return replaced;
}

std::string DefaultPersonalWordsFile() {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != nullptr && *config != '\0')
        folder = config;
    else if (const char *home = std::getenv("HOME"); home != nullptr && *home != '\0')
        folder = std::string(home) + "/.config";
    else
        return {};
    return folder + "/Lumavert/words.txt";
}
