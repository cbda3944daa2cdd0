// The whole opener on outside bytes: the bytes as the contents of a file
// opened by name, under an extension that varies with the input, so
// extension and content recognition, every importer, the frame-rate header,
// markup and the timing check with its correction all see them. The bytes
// are opened from memory: a file written and read back for every input would
// cost more than the opening. A failure thrown by the opening is an allowed
// outcome; a crash or a sanitizer finding is not.

#include "convert/OpenSubtitles.h"
#include "document/Errors.h"
#include "shell/UserEvent.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Questions that show nothing and are answered Yes and No in turn.
class ScriptedQuestions : public Questions {
public:
    void ShowMessage(const std::string &) override {}
    bool AskYesNo(const std::string &, QuestionKind) override { return (++asked_ % 2) == 1; }
    void ShowError(const std::string &) { ++errors; }

    unsigned errors = 0;

private:
    unsigned asked_ = 0;
};

// Every extension that picks an importer by name, then the content rules.
constexpr std::array<const char *, 12> kExtensions = {".srt", ".stl", ".mpl", ".ssa", ".son", ".psb",
                                                      ".sbt", ".txt", ".sub", ".SRT", ".Ssa", ""};
constexpr std::array<const char *, 4> kRates = {"25,000", "23,976", "23.976", "0"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ScriptedQuestions questions;
    const OpenRequest request{std::string("input") + kExtensions[size % kExtensions.size()],
                              std::string_view(reinterpret_cast<const char *>(data), size),
                              kRates[size % kRates.size()],
                              ReadingOptions{},
                              size % 2 == 0,
                              static_cast<std::uint8_t>(1 + size % 4)};
    OpenedSubtitles opened;
    RunUserEvent(questions, [&] { opened = OpenSubtitles(request, questions); });

    // A recognised file that opened without a failure keeps its entries: the
    // correction merges stacked subtitles of the same span and cuts the one
    // around another into at most three.
    if (questions.errors == 0 && opened.outcome == OpenOutcome::Opened)
        FUZZ_CHECK(opened.lines.Empty() == opened.opened.Empty() &&
                   opened.lines.Count() <= 3 * opened.opened.Count());
    return 0;
}
