#include "convert/OpenSubtitles.h"

#include "convert/OpenerSteps.h"
#include "convert/TimingQuestions.h"
#include "document/Chars.h"
#include "document/EntryFields.h"
#include "document/Markup.h"
#include "document/MessageTable.h"
#include "document/NumText.h"
#include "document/OwnMessages.h"
#include "document/TextFile.h"
#include "formats/ExtensionRules.h"
#include "formats/ImportContext.h"
#include "formats/RecognitionRules.h"

namespace {

// Passes every message and question on, keeping the messages for the result.
class RecordedQuestions : public Questions {
public:
    RecordedQuestions(Questions &questions, std::vector<std::string> &messages)
        : questions_(questions), messages_(messages) {}
    void ShowMessage(const std::string &text) override {
        messages_.push_back(text);
        questions_.ShowMessage(text);
    }
    bool AskYesNo(const std::string &text, QuestionKind kind) override {
        return questions_.AskYesNo(text, kind);
    }
    std::size_t ChooseItem(const std::string &text, const std::vector<std::string> &items) override {
        return questions_.ChooseItem(text, items);
    }

private:
    Questions &questions_;
    std::vector<std::string> &messages_;
};

// The frame rate of an FpsHeaderLine goes into the frame-rate box and the
// line leaves the list; a rate that does not convert leaves both as they are.
void TakeFpsHeader(WorkLines &work, std::string &fpsText, Questions &questions, std::uint8_t language) {
    if (work.Empty() || !IsFpsHeaderLine(work.Top()))
        return;
    if (const auto rate = FpsHeaderRate(work.Top())) {
        fpsText = FloatToStrFixed(*rate, 3);
        work.DeleteTop();
    } else {
        questions.ShowMessage(MessageText(MessageRow::FpsError, language));
    }
}

// The file's lines in `lines`: recognise the format, let its importer turn
// them into FrameLines, and check their timing.
void ImportLines(const OpenRequest &request, TextList &lines, OpenedSubtitles &opened, Questions &questions,
                 const std::function<void(int)> &progress) {
    WorkLines work(lines);
    work.DeleteEmptyTop();
    if (work.Empty())
        return;
    opened.fps = static_cast<double>(StrToFloat(opened.fpsText));

    std::string firstLine = "OK";
    std::string secondLine = "OK";
    std::string formatName;
    TextList importBuffer;
    ImportContext context{work,           importBuffer,     opened.lines, opened.fps,
                          opened.fpsText, request.alertsOn, questions,    request.language};
    context.SamiClass = request.samiClass;
    ImportByExtension(context, FileExtension(request.fileName), firstLine, secondLine, formatName);
    if (firstLine == "OK") {
        firstLine = work.Item(0);
        if (work.Count() > 1)
            secondLine = work.Item(1);
    }
    ImportByContent(context, firstLine, secondLine, formatName);
    opened.samiClasses = std::move(context.SamiClasses);
    progress(60);
    opened.formatName = formatName.empty() ? "MicroDVD" : formatName;

    // A file no importer took is MicroDVD when it starts with "{". An
    // accepted file may have no line at all and then opens empty.
    if (!work.Empty() && CharAt(work.Top(), 1) != '{') {
        opened.outcome = OpenOutcome::Unknown;
        opened.formatName = "Unknown";
        opened.lines.Assign(lines);
        questions.ShowMessage(MessageText(MessageRow::UnknownFormat, request.language));
        return;
    }
    opened.outcome = OpenOutcome::Opened;
    TakeFpsHeader(work, opened.fpsText, questions, request.language);
    // NOTE: a last line that is empty stays, and the timing check then
    // reports it as an entry without frames of its own.
    lines.Assign(WithoutEmptyLines(lines));
    NormaliseListMarkup(lines);
    progress(80);
    opened.opened.Assign(lines);
    opened.lines.Assign(lines);

    // The entries the opening shows have their fields worked out, which
    // fails where showing them would.
    const auto show = [&](std::size_t entry) {
        WorkOutEntryFields(opened.lines[entry], opened.fpsText, request.delayText);
    };
    opened.timingFaults = TimingFaultsOf(opened.lines);
    progress(95);
    if (!opened.timingFaults.Empty()) {
        questions.ShowMessage(MessageText(MessageRow::TimingErrors, request.language));
        opened.corrected =
            OfferTimingCorrection(opened.lines, opened.timingFaults, questions, request.language, show);
    }
    // The list is shown with its second entry selected, or its only one.
    if (!opened.lines.Empty())
        show(opened.lines.Count() >= 2 ? 1 : 0);
}

} // namespace

OpenedSubtitles OpenSubtitles(const OpenRequest &request, Questions &questions,
                              const std::function<void(int)> &reportProgress) {
    const auto progress = [&reportProgress](int percent) {
        if (reportProgress)
            reportProgress(percent);
    };
    OpenedSubtitles opened;
    RecordedQuestions recorded(questions, opened.messages);
    opened.fpsText = request.fpsText;
    // The bytes of a file read here go once they are decoded.
    LoadedText loaded = [&] {
        if (request.bytes)
            return DecodeTextLines(*request.bytes, request.reading, request.fileName);
        const FileBytes file = ReadFileBytes(request.fileName);
        progress(10);
        return DecodeTextLines(file.View(), request.reading, request.fileName);
    }();
    opened.encoding = loaded.encoding;
    opened.invalidCharacters = loaded.invalidCharacters;
    progress(30);
    // The importers consume the only copy of the lines, so changing them never copies the file.
    TextList lines = std::move(loaded.lines);
    ImportLines(request, lines, opened, recorded, progress);
    // Bytes that do not fit the encoding show as U+FFFD; say how many rather
    // than change the text silently.
    if (opened.invalidCharacters > 0)
        recorded.ShowMessage(InvalidCharactersText(opened.invalidCharacters, request.language));
    return opened;
}
