// Outside text through the spell check's word splitting and through find and
// replace: spans in bounds and in order, replacements that keep what they
// do not match, and no input that makes either slow.

#include "document/TextEncoding.h"
#include "editing/FindReplace.h"
#include "editing/Words.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    static WordSplitter splitter;
    std::size_t end = 0;
    for (const WordSpan &span : splitter.Words(text)) {
        FUZZ_CHECK(span.size > 0 && span.offset >= end && span.offset + span.size <= text.size());
        end = span.offset + span.size;
    }

    const std::string entry = "{1}{2}" + std::string(text);
    static const TextSearch same("e", "e", FindOptions{true, false, false});
    static const TextSearch words("(\\w+) (\\w+)", "$2 $1", FindOptions{false, true, true});
    static const TextSearch breaks("\\n", "|", FindOptions{true, false, true});
    try {
        std::size_t replaced = 0;
        const std::optional<std::string> kept = same.Replace(entry, 0, replaced);
        // Replacing a letter with itself changes nothing of a well-formed text but its line ends.
        if (kept && IsValidUtf8(text) && text.find('\n') == std::string_view::npos)
            FUZZ_CHECK(*kept == entry);
        words.Replace(entry, 0, replaced);
        FUZZ_CHECK(!breaks.Finds(entry, 0) || text.find_first_of("|\n") != std::string_view::npos);
    } catch (const PatternStopped &) {
        // A runaway expression is stopped and told; that is the sound end.
    }
    return 0;
}
