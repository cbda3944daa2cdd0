#pragma once

#include "shell/Platform.h"
#include "tests/support/MemorySettings.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// One box the core showed, in the order shown.
struct ShownBox {
    enum class Kind {
        Message,
        Warning,
        Confirmation,
        Input,
        Error,
        OpenDialog,
        SaveDialog,
        FontDialog,
        FindDialog,
        SpellDialog,
        Window
    };
    Kind kind;
    std::string text; // the message or question; the title of file dialogs and windows; the spelling's word
    friend bool operator==(const ShownBox &, const ShownBox &) = default;
};

// A strict scripted desktop for tests: it records every box, answers
// questions, input boxes and dialogs only from its script, and fails the
// test when a question arrives that nothing answers or an error box appears
// that the test did not allow.
class FakeDialogs : public Dialogs {
public:
    ~FakeDialogs() override;

    // Scripting, consumed in order.
    void AnswerYes() { answers_.push_back(true); }
    void AnswerNo() { answers_.push_back(false); }
    void AnswerInput(std::optional<std::string> value) { inputs_.push_back(std::move(value)); }
    // nullopt answers Cancel.
    void ChooseFile(std::optional<std::string> fileName) { files_.push_back(std::move(fileName)); }
    void ChooseFont(std::optional<FontSpec> font) { fonts_.push_back(std::move(font)); }
    // What the user types, ticks and presses in the find dialog; nullopt is Cancel.
    void AnswerFind(std::optional<FindDialog> answer) { finds_.push_back(std::move(answer)); }
    // The button pressed in the spell check's dialog for the next word, with
    // the replacement (the dialog's own when nullopt) or the dictionary chosen.
    struct SpellAnswer {
        SpellDialog::Action pressed;
        std::optional<std::string> replacement = std::nullopt;
        std::size_t dictionary = 0;
    };
    void AnswerSpelling(SpellAnswer answer) { spellings_.push_back(std::move(answer)); }
    // The last spell check dialog seen, as it was when shown.
    const SpellDialog &LastSpellDialog() const { return lastSpellDialog_; }
    // What the user does while the preview window is shown; the window is then
    // closed as its close box does.
    void WhileWindowShown(std::function<void(TForm2 &)> actions) { windows_.push_back(std::move(actions)); }
    // Allows error boxes for the rest of the test.
    void AllowErrors() { errorsAllowed_ = true; }
    // Long work from here on is cancelled at its first report of progress.
    void CancelLongWork() {
        CancelLongWorkWhen([] { return true; });
    }
    // Long work from here on is cancelled at its first report of progress once `when` holds.
    void CancelLongWorkWhen(std::function<bool()> when) { cancelWhen_ = std::move(when); }

    const std::vector<ShownBox> &Boxes() const { return boxes_; }
    // The values input boxes proposed, in order.
    const std::vector<std::string> &Proposals() const { return proposals_; }
    std::vector<std::string> Messages() const; // texts of plain message boxes
    std::vector<std::string> Errors() const;   // texts of error boxes
    void ClearBoxes() { boxes_.clear(); }
    // The last file dialog seen, as it was when shown.
    const FileDialog &LastFileDialog() const { return lastFileDialog_; }

    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text, QuestionKind kind) override;
    bool InputQuery(const std::string &caption, const std::string &prompt, std::string &value) override;
    // Picks the next scripted item, the first when none is scripted, and
    // keeps the question's text followed by its items.
    std::size_t ChooseItem(const std::string &text, const std::vector<std::string> &items) override;
    void PickItem(std::size_t index) { picks_.push_back(index); }
    const std::vector<std::vector<std::string>> &ItemsOffered() const { return itemsOffered_; }
    bool ExecuteOpen(FileDialog &dialog) override;
    bool ExecuteSave(FileDialog &dialog) override;
    bool ExecuteFont(FontDialog &dialog) override;
    bool ExecuteFind(FindDialog &dialog) override;
    void ExecuteSpelling(SpellDialog &dialog) override;
    void ShowError(const std::string &text) override;
    void ShowPreview(TForm2 &window) override;
    void RunLongWork(const std::string &, const LongWork &work) override {
        work([this](int) { return !(cancelWhen_ && cancelWhen_()); }, *this);
    }

private:
    bool ExecuteFile(FileDialog &dialog, ShownBox::Kind kind);

    std::vector<ShownBox> boxes_;
    std::vector<std::string> proposals_;
    std::deque<bool> answers_;
    std::deque<std::size_t> picks_;
    std::vector<std::vector<std::string>> itemsOffered_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<std::optional<std::string>> files_;
    std::deque<std::optional<FontSpec>> fonts_;
    std::deque<std::optional<FindDialog>> finds_;
    std::deque<SpellAnswer> spellings_;
    SpellDialog lastSpellDialog_;
    std::deque<std::function<void(TForm2 &)>> windows_;
    FileDialog lastFileDialog_;
    bool errorsAllowed_ = false;
    std::function<bool()> cancelWhen_;
};

class FakeLauncher : public ProgramLauncher {
public:
    void Start(const std::string &commandLine) override { started.push_back(commandLine); }
    void OpenUrl(const std::string &url) override { opened.push_back(url); }
    std::vector<std::string> started;
    std::vector<std::string> opened;
};

class FakePlayer : public MediaPlayer {
public:
    void SetUrl(const std::string &url) override { urls.push_back(url); }
    double Position() override { return position; }
    void Seek(double seconds) override { seeks.push_back(position = seconds); }
    std::vector<std::string> urls;
    double position = 0.0;
    std::vector<double> seeks;
};

// Everything a TForm1 needs, owned together.
struct FakePlatform {
    FakeDialogs dialogs;
    MemorySettings settings;
    FakeLauncher launcher;
    FakePlayer player;
    Platform platform{dialogs, settings, launcher, player};
};
