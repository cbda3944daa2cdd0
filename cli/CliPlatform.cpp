#include "cli/CliPlatform.h"

#include "cli/CliOutput.h"

CliDialogs::CliDialogs(bool answer, std::string openFileName)
    : answer_(answer), openFileName_(std::move(openFileName)) {}

void CliDialogs::Report(const char *label, const std::string &text, const char *suffix) {
    ++boxesShown_;
    ReportBox(label, text, suffix);
}

void CliDialogs::ShowMessage(const std::string &text) {
    Report("message", text, "");
}

bool CliDialogs::AskYesNo(const std::string &text, QuestionKind) {
    Report("question", text, answer_ ? " -> yes" : " -> no");
    return answer_;
}

// CHOICE: an input box is cancelled without a line on standard error; the
// commands never ask for a typed value, and Cancel changes nothing.
bool CliDialogs::InputQuery(const std::string &, const std::string &, std::string &) {
    return false;
}

bool CliDialogs::ExecuteOpen(FileDialog &dialog) {
    dialog.FileName = openFileName_;
    return true;
}

// The commands write their output themselves, so a save dialog is cancelled.
bool CliDialogs::ExecuteSave(FileDialog &) {
    return false;
}

bool CliDialogs::ExecuteFont(FontDialog &) {
    return false;
}

void CliDialogs::ShowError(const std::string &text) {
    errorShown_ = true;
    Report("error", text, "");
}
