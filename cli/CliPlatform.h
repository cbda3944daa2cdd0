#pragma once

#include "shell/Platform.h"

#include <string>

// The desktop of the command line: every box becomes one line on standard
// error, questions take the answer given by --answer, and nobody is ever
// asked anything.
class CliDialogs : public Dialogs {
public:
    CliDialogs(bool answer, std::string openFileName);

    // Messages, questions and error boxes shown so far.
    int BoxesShown() const { return boxesShown_; }
    bool ErrorShown() const { return errorShown_; }

    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text, QuestionKind kind) override;
    bool InputQuery(const std::string &caption, const std::string &prompt, std::string &value) override;
    bool ExecuteOpen(FileDialog &dialog) override;
    bool ExecuteSave(FileDialog &dialog) override;
    bool ExecuteFont(FontDialog &dialog) override;
    void ShowError(const std::string &text) override;
    // Nothing the command line runs shows the preview window.
    void ShowPreview(TForm2 &) override {}

private:
    void Report(const char *label, const std::string &text, const char *suffix);

    bool answer_;
    std::string openFileName_;
    int boxesShown_ = 0;
    bool errorShown_ = false;
};
