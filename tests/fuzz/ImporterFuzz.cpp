#include "tests/fuzz/ImporterFuzz.h"

#include "document/Errors.h"
#include "document/TextFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <string>

namespace {

// Questions that show nothing and answer Yes and No in turn.
class AlternatingQuestions : public Questions {
public:
    void ShowMessage(const std::string &) override {}
    bool AskYesNo(const std::string &, QuestionKind) override { return (++asked_ % 2) == 1; }

private:
    unsigned asked_ = 0;
};

struct Rate {
    double fps;
    const char *boxText;
};
constexpr std::array<Rate, 4> kRates = {{{25, "25"}, {23.976, "23,976"}, {29.97, "29.97"}, {0, "0"}}};

} // namespace

int FuzzImporter(Importer &importer, const unsigned char *data, std::size_t size) {
    TextList work = DecodeTextLines(std::string_view(reinterpret_cast<const char *>(data), size)).lines;
    TextList buffer;
    TextList subtitles;
    const Rate &rate = kRates[size % kRates.size()];
    std::string boxText = rate.boxText;
    AlternatingQuestions dialogs;
    const auto language = static_cast<std::uint8_t>(1 + size % 4);
    ImportContext context{WorkLines(work), buffer,        subtitles, rate.fps,
                          boxText,         size % 2 == 0, dialogs,   language};
    context.WorkList.DeleteEmptyTop();
    if (context.WorkList.Empty())
        return 0;
    std::string firstLine(context.WorkList.Item(0));
    std::string secondLine(context.WorkList.Count() > 1 ? context.WorkList.Item(1) : std::string_view());
    std::string formatName;
    try {
        importer(context, firstLine, secondLine, formatName);
    } catch (const ConvertError &) {
        // A number text that does not convert ends the opening with the error
        // box; every other failure, a read past the end among them, is a fault.
        return 0;
    }
    if (!formatName.empty()) {
        FUZZ_CHECK(firstLine.empty() && secondLine.empty());
        FUZZ_CHECK(subtitles == buffer && work == subtitles);
    }
    return 0;
}
