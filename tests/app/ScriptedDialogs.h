#pragma once

#include "shell/Platform.h"

#include <deque>
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
    std::deque<std::optional<std::string>> files; // nullopt cancels
    std::vector<std::string> unscripted;

    void ShowMessage(const std::string &text) override { boxes.push_back({"message", text}); }
    void ShowError(const std::string &text) override { boxes.push_back({"error", text}); }
    bool AskYesNo(const std::string &text, QuestionKind) override {
        unscripted.push_back(text);
        return false;
    }
    bool InputQuery(const std::string &caption, const std::string &, std::string &) override {
        unscripted.push_back(caption);
        return false;
    }
    void ShowModal(TForm2 &) override { unscripted.push_back("Form2"); }
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
