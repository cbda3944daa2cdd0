#include "cli/CliPlatform.h"

#include "cli/CliOutput.h"

CliDialogs::CliDialogs(bool answer) : answer_(answer) {}

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

void CliDialogs::ShowError(const std::string &text) {
    errorShown_ = true;
    Report("error", text, "");
}
