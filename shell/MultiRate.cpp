#include "convert/FitToLimits.h"
#include "convert/OverwrittenFiles.h"
#include "convert/RateBatch.h"
#include "convert/SaveInEncoding.h"
#include "shell/Unit1.h"

#include <exception>
#include <optional>

namespace {

// The batch makes the offer of UTF-8 for a character the output encoding
// lacks once: after a Yes every later file is written in UTF-8 with its mark
// without asking again; a No ends the batch.
class OfferedOnce : public Questions {
public:
    explicit OfferedOnce(Questions &questions) : questions_(questions) {}
    void ShowMessage(const std::string &text) override { questions_.ShowMessage(text); }
    bool AskYesNo(const std::string &text, QuestionKind kind) override {
        accepted_ = questions_.AskYesNo(text, kind);
        return accepted_;
    }
    bool Accepted() const { return accepted_; }

private:
    Questions &questions_;
    bool accepted_ = false;
};

// What the passes leave for the window, shown once the batch has ended.
struct BatchOutcome {
    TextList entries;
    TextList memo;
    double fps;
    std::optional<std::size_t> pointedAt;
};

} // namespace

// CHOICE: a pass that fails (a list that does not fit or convert, a file
// that cannot be written) ends the batch without writing its file; the
// frame-rate box and the success switch are never changed by the batch, so
// no later conversion stays silent or runs at a batch rate.
// CHOICE: Cancel puts back every file the batch wrote, so the folder is as it
// was, like the window.
void TForm1::btMultiClick() {
    const bool fitting = FitLineCount(ComboBox3.Text) && !SubtitleList().Empty();
    BatchOutcome outcome{SubtitleList(), fitting ? TextList() : Memo1.Lines, CurrentFps, std::nullopt};
    const RateBatchRequest request{FitLineCount(ComboBox3.Text),
                                   MaxLineLength,
                                   MaxTotalLength,
                                   AtrasoEdit.Text,
                                   CurrentLanguage,
                                   [&outcome](std::size_t entry) { outcome.pointedAt = entry; }};
    const TextEncoding encoding = OutputEncoding();
    // The passes run away from the window's thread on the list's own share,
    // and the window takes what they made when they have ended.
    OverwrittenFiles written;
    std::exception_ptr failure;
    try {
        platform.UI.RunLongWork(btMulti.Caption, [&](const WorkProgress &progress, Questions &questions) {
            OfferedOnce offer(questions);
            const auto save = [&](const std::string &fileName, const TextList &subRip) {
                written.BeforeWriting(fileName);
                // Declining UTF-8 for a character the output encoding lacks ends the batch.
                if (!SaveInEncoding(fileName, subRip, true, offer.Accepted() ? Utf8Encoding(true) : encoding,
                                    offer, request.language))
                    return false;
                outcome.memo = subRip;
                return true;
            };
            // NOTE: the rate in use stays the last pass's, while the box keeps the user's text.
            RunRateBatch(
                outcome.entries, request, questions, save, [&](double fps) { outcome.fps = fps; },
                CancellingProgress(progress));
        });
    } catch (const WorkCancelled &) {
        written.PutBack();
        throw;
    } catch (...) {
        failure = std::current_exception();
    }
    // The entries have moved under the selection.
    if (fitting)
        ListBox1.ItemIndex = -1;
    SubtitleList().Assign(outcome.entries);
    Memo1.Lines.Assign(outcome.memo);
    CurrentFps = outcome.fps;
    if (outcome.pointedAt)
        PointAtEntry(*outcome.pointedAt);
    if (failure)
        std::rethrow_exception(failure);
    WorkList().Assign(SubtitleList());
    ImportBuffer().Assign(SubtitleList());
    CheckTiming();
    MemoOutput = {};
    EnableSaving();
    DefaultButton = &btGravar;
    ActiveControl = &btGravar;
}
