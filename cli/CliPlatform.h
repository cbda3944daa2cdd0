#pragma once

#include "shell/Platform.h"

#include <string>

// The questions of the command line: every box becomes one line on standard
// error, questions take the answer given by --answer, and nobody is ever
// asked anything.
class CliDialogs : public Questions {
public:
    explicit CliDialogs(bool answer);

    // Messages, questions and error boxes shown so far.
    int BoxesShown() const { return boxesShown_; }
    bool ErrorShown() const { return errorShown_; }

    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text, QuestionKind kind) override;
    // The error box of a step that failed.
    void ShowError(const std::string &text);

private:
    void Report(const char *label, const std::string &text, const char *suffix);

    bool answer_;
    int boxesShown_ = 0;
    bool errorShown_ = false;
};
