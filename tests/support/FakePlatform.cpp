#include "tests/support/FakePlatform.h"

#include "document/Errors.h"
#include "shell/Unit2.h"

#include <gtest/gtest.h>

FakeDialogs::~FakeDialogs() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were never asked for";
    EXPECT_TRUE(files_.empty()) << files_.size() << " scripted file choices were never asked for";
    EXPECT_TRUE(inputs_.empty()) << inputs_.size() << " scripted inputs were never asked for";
    EXPECT_TRUE(fonts_.empty()) << fonts_.size() << " scripted fonts were never asked for";
    EXPECT_TRUE(windows_.empty()) << windows_.size() << " scripted windows were never shown";
}

std::vector<std::string> FakeDialogs::Messages() const {
    std::vector<std::string> texts;
    for (const auto &box : boxes_)
        if (box.kind == ShownBox::Kind::Message)
            texts.push_back(box.text);
    return texts;
}

std::vector<std::string> FakeDialogs::Errors() const {
    std::vector<std::string> texts;
    for (const auto &box : boxes_)
        if (box.kind == ShownBox::Kind::Error)
            texts.push_back(box.text);
    return texts;
}

void FakeDialogs::ShowMessage(const std::string &text) {
    boxes_.push_back({ShownBox::Kind::Message, text});
}

bool FakeDialogs::AskYesNo(const std::string &text, QuestionKind kind) {
    boxes_.push_back(
        {kind == QuestionKind::Warning ? ShownBox::Kind::Warning : ShownBox::Kind::Confirmation, text});
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << text;
        return false;
    }
    bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::size_t FakeDialogs::ChooseItem(const std::string &text, const std::vector<std::string> &items) {
    itemsOffered_.push_back(items);
    itemsOffered_.back().insert(itemsOffered_.back().begin(), text);
    if (picks_.empty())
        return 0;
    const std::size_t picked = picks_.front();
    picks_.pop_front();
    return picked;
}

bool FakeDialogs::InputQuery(const std::string &caption, const std::string &prompt, std::string &value) {
    boxes_.push_back({ShownBox::Kind::Input, caption + "|" + prompt});
    proposals_.push_back(value);
    if (inputs_.empty()) {
        ADD_FAILURE() << "unscripted input box: " << prompt;
        return false;
    }
    auto input = inputs_.front();
    inputs_.pop_front();
    if (!input)
        return false;
    value = *input;
    return true;
}

bool FakeDialogs::ExecuteFile(FileDialog &dialog, ShownBox::Kind kind) {
    boxes_.push_back({kind, dialog.Title});
    lastFileDialog_ = dialog;
    if (files_.empty()) {
        ADD_FAILURE() << "unscripted file dialog: " << dialog.Name;
        return false;
    }
    auto file = files_.front();
    files_.pop_front();
    if (!file)
        return false;
    dialog.FileName = *file;
    return true;
}

bool FakeDialogs::ExecuteOpen(FileDialog &dialog) {
    return ExecuteFile(dialog, ShownBox::Kind::OpenDialog);
}

bool FakeDialogs::ExecuteSave(FileDialog &dialog) {
    return ExecuteFile(dialog, ShownBox::Kind::SaveDialog);
}

void FakeDialogs::ExecuteSpelling(SpellDialog &dialog) {
    boxes_.push_back({ShownBox::Kind::SpellDialog, dialog.Word});
    lastSpellDialog_ = dialog;
    if (spellings_.empty()) {
        ADD_FAILURE() << "unscripted spelling dialog for " << dialog.Word;
        dialog.Pressed = SpellDialog::Action::Close;
        return;
    }
    const SpellAnswer answer = std::move(spellings_.front());
    spellings_.pop_front();
    dialog.Pressed = answer.pressed;
    if (answer.replacement)
        dialog.Replacement = *answer.replacement;
    if (answer.pressed == SpellDialog::Action::ChooseDictionary)
        dialog.DictionaryIndex = answer.dictionary;
}

bool FakeDialogs::ExecuteFind(FindDialog &dialog) {
    boxes_.push_back({ShownBox::Kind::FindDialog, dialog.Labels.title});
    if (finds_.empty()) {
        ADD_FAILURE() << "unscripted find dialog";
        return false;
    }
    std::optional<FindDialog> answer = std::move(finds_.front());
    finds_.pop_front();
    if (!answer)
        return false;
    answer->Replacing = dialog.Replacing;
    answer->Labels = dialog.Labels;
    dialog = std::move(*answer);
    return true;
}

bool FakeDialogs::ExecuteFont(FontDialog &dialog) {
    boxes_.push_back({ShownBox::Kind::FontDialog, dialog.Name});
    if (fonts_.empty()) {
        ADD_FAILURE() << "unscripted font dialog";
        return false;
    }
    auto font = fonts_.front();
    fonts_.pop_front();
    if (!font)
        return false;
    dialog.Font = *font;
    return true;
}

void FakeDialogs::ShowError(const std::string &text) {
    boxes_.push_back({ShownBox::Kind::Error, text});
    if (!errorsAllowed_)
        ADD_FAILURE() << "unexpected error box: " << text;
}

void FakeDialogs::ShowPreview(TForm2 &window) {
    boxes_.push_back({ShownBox::Kind::Window, window.Caption});
    if (windows_.empty()) {
        ADD_FAILURE() << "unscripted window: " << window.Caption;
        return;
    }
    auto actions = std::move(windows_.front());
    windows_.pop_front();
    actions(window);
    window.Run(&TForm2::FormClose);
}
