#include "convert/OutputChoice.h"
#include "convert/TimingQuestions.h"
#include "document/NumText.h"
#include "formats/OutputFormats.h"
#include "shell/Unit1.h"

#include <optional>

namespace {

// Convert empties the memo whatever happens next, and keeps the list it
// converts in the WorkList.
void StartConversion(TForm1 &form) {
    form.WorkList().Assign(form.SubtitleList());
    form.Memo1.Lines.Clear();
    form.ImportBuffer().Clear();
}

// The part of Convert that runs away from the window's thread, on the list's
// own share: the timing check, then the blocks. It stops after the check when
// the list has faults, whose correction is offered on the window's thread.
struct ConversionWork {
    enum class Stage { Check, Numbers, Blocks, Done };

    std::string fpsText;
    std::string delayText;
    const OutputFormat *format = &SubRipOutput();
    WriteOptions options{25, 0};
    Stage stage = Stage::Check;
    std::optional<TextList> faults;
    TextList blocks;
    int reached = 0;

    void Run(const TextList &entries, bool checkFirst, const WorkProgress &progress) {
        if (checkFirst) {
            faults = TimingFaultsOf(entries);
            if (!faults->Empty())
                return;
        }
        stage = Stage::Numbers;
        options.fps = StrToFloat(fpsText);
        options.delaySeconds = StrToFloat(delayText);
        stage = Stage::Blocks;
        const auto cancelling = CancellingProgress(progress);
        ListLineOut out(blocks);
        WriteFormat(*format, entries, options, out, [&](int position) {
            reached = position;
            cancelling(position);
        });
        stage = Stage::Done;
    }
};

// The window as the steps of Convert leave it, up to the stage the work
// reached: the faults found, the memo emptied, the save controls switched.
// A failure in the blocks leaves the lines made so far in the ImportBuffer.
void ShowConversion(TForm1 &form, ConversionWork &work) {
    if (work.faults) {
        form.ErrorList().Assign(*work.faults);
        form.btAuto.Enabled = !work.faults->Empty();
        work.faults.reset();
    } else if (work.stage == ConversionWork::Stage::Check) {
        // The check failed on an entry it could not read.
        form.btAuto.Enabled = false;
    }
    if (work.stage == ConversionWork::Stage::Check)
        return;
    StartConversion(form);
    if (work.stage == ConversionWork::Stage::Numbers)
        return;
    form.EnableSaving();
    form.MoveProgressBar(work.reached);
    if (work.stage == ConversionWork::Stage::Blocks)
        form.ImportBuffer().Assign(work.blocks);
}

// Runs the work; Cancel leaves the window as it was.
void RunConversion(TForm1 &form, ConversionWork &work, const TextList &entries, bool checkFirst) {
    try {
        form.platform.UI.RunLongWork(form.btConvert.Caption, [&](const WorkProgress &progress, Questions &) {
            work.Run(entries, checkFirst, progress);
        });
    } catch (const WorkCancelled &) {
        throw;
    } catch (...) {
        ShowConversion(form, work);
        throw;
    }
}

// The core tells the first faulty entry and then points at it; the window
// selects the entry before the message, so that the list shows it behind the
// box, and fills the edit fields after it.
class SelectionFirst : public Questions {
public:
    explicit SelectionFirst(Questions &questions) : questions_(questions) {}

    void ShowMessage(const std::string &text) override {
        Tell();
        held_ = text;
        holding_ = true;
    }
    bool AskYesNo(const std::string &text, QuestionKind kind) override {
        Tell();
        return questions_.AskYesNo(text, kind);
    }
    void Tell() {
        if (holding_)
            questions_.ShowMessage(held_);
        holding_ = false;
    }

private:
    Questions &questions_;
    std::string held_;
    bool holding_ = false;
};

void OfferCorrection(TForm1 &form) {
    SelectionFirst questions(form.platform.UI);
    const auto selectEntry = [&](std::size_t entry) {
        form.ActiveControl = &form.ListBox1;
        form.ListBox1.TopIndex = static_cast<int>(entry) - 1;
        form.ListBox1.ItemIndex = static_cast<int>(entry);
        questions.Tell();
        form.ListBox1Click();
    };
    if (OfferTimingCorrection(form.SubtitleList(), form.ErrorList(), questions, form.CurrentLanguage,
                              selectEntry))
        form.btAuto.Enabled = false;
    questions.Tell();
}

} // namespace

void TForm1::btConvertClick() {
    if (SubtitleList().Empty())
        return;

    ConversionWork work;
    work.fpsText = Combobox2.Text;
    work.delayText = AtrasoEdit.Text;
    work.format = &ConvertedOutputOf(SaveFormato.ItemIndex);
    work.options.language = CurrentLanguage;
    work.reached = ProgressBar1.Position;
    RunConversion(*this, work, SubtitleList(), true);
    if (work.stage == ConversionWork::Stage::Check) {
        // Either answer goes on to convert whatever the list then holds.
        ShowConversion(*this, work);
        OfferCorrection(*this);
        work.fpsText = Combobox2.Text;
        work.delayText = AtrasoEdit.Text;
        RunConversion(*this, work, SubtitleList(), false);
    }
    ShowConversion(*this, work);
    // The memo shares the blocks: showing them copies nothing.
    Memo1.Lines.Assign(work.blocks);
    MemoOutput = {work.format, work.options};
    ImportBuffer().Assign(WorkList());

    if (AnnounceSuccess)
        platform.UI.ShowMessage(Message(MessageRow::Success));

    DefaultButton = &btGravar;
    ActiveControl = &btGravar;
}
