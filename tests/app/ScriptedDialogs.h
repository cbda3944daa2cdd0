#pragma once

#include "app/QtLongWork.h"
#include "shell/Platform.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Dialogs for the view tests: every box is recorded, file dialogs and
// questions are answered from a script, and anything unscripted is noted so
// that the test can fail on it.
class ScriptedDialogs : public Dialogs {
public:
    struct Box {
        std::string kind;
        std::string text;
    };

    std::vector<Box> boxes;
    std::deque<std::optional<std::string>> files;  // nullopt cancels
    std::deque<bool> answers;                      // Yes or No
    std::deque<std::optional<std::string>> inputs; // nullopt cancels
    std::vector<std::string> proposals;            // what input boxes proposed
    std::vector<std::string> unscripted;
    std::function<void()> onProgress; // what the desktop does when the bar moves
    std::function<void()> onMessage;  // what the user sees behind a message box
    std::uint8_t language = 2;        // the interface language of the progress bar

    void ShowMessage(const std::string &text) override {
        boxes.push_back({"message", text});
        if (onMessage)
            onMessage();
    }
    void ShowError(const std::string &text) override { boxes.push_back({"error", text}); }
    // Long work runs on its thread under the real progress bar.
    void RunLongWork(const std::string &caption, const LongWork &work) override {
        RunOffThread(caption, work, *this, language);
    }
    bool AskYesNo(const std::string &text, QuestionKind) override {
        boxes.push_back({"question", text});
        if (answers.empty()) {
            unscripted.push_back(text);
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool InputQuery(const std::string &caption, const std::string &, std::string &value) override {
        boxes.push_back({"input", caption});
        proposals.push_back(value);
        if (inputs.empty()) {
            unscripted.push_back(caption);
            return false;
        }
        const auto input = inputs.front();
        inputs.pop_front();
        if (input)
            value = *input;
        return input.has_value();
    }
    void ShowPreview(TForm2 &) override { unscripted.push_back("Form2"); }
    void ProgressMoved() override {
        if (onProgress)
            onProgress();
    }
    bool ExecuteOpen(FileDialog &dialog) override { return Choose(dialog, "open"); }
    bool ExecuteSave(FileDialog &dialog) override { return Choose(dialog, "save"); }
    bool ExecuteFont(FontDialog &dialog) override {
        unscripted.push_back(dialog.Name);
        return false;
    }

private:
    bool Choose(FileDialog &dialog, const char *kind) {
        boxes.push_back({kind, dialog.Title});
        if (files.empty()) {
            unscripted.push_back(dialog.Name);
            return false;
        }
        const auto file = files.front();
        files.pop_front();
        if (!file)
            return false;
        dialog.FileName = *file;
        return true;
    }
};
