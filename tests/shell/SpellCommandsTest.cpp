#include "tests/editing/EditingFixture.h"
#include "tests/support/TempFolder.h"

#include "editing/SpellCheck.h"

#include <algorithm>

namespace {

using Action = SpellDialog::Action;
using Answer = FakeDialogs::SpellAnswer;

const TextList kTypos{"{10}{20}I did not recieve the letter.", "{30}{40}It is a beatiful day.|I recieve it.",
                      "{50}{60}Lumavert makes it easy.", "{70}{80}Call Lumavert, recieve beatiful things."};

class SpellCommands : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        form.PersonalWordsFile = (folder.path() / "Lumavert" / "words.txt").string();
    }

    // Runs F7 over the list with the answers given, one a word.
    void Check(const TextList &list, const std::vector<Answer> &answers) {
        Select(list, 0);
        fake.dialogs.ClearBoxes();
        for (const Answer &answer : answers)
            fake.dialogs.AnswerSpelling(answer);
        form.Run(&TForm1::Ortografia1Click);
    }

    // The words shown and the messages, in order.
    Lines Shown() const {
        Lines shown;
        for (const ShownBox &box : fake.dialogs.Boxes())
            shown.push_back((box.kind == ShownBox::Kind::SpellDialog ? "word: " : "message: ") + box.text);
        return shown;
    }

    TempFolder folder{"spelling"};
};

// Change, Change all, Ignore all and Add to my dictionary, each word in the
// order of the list, the changes one step of the history each.
TEST_F(SpellCommands, StepsThroughTheUnknownWords) {
    Check(kTypos, {{Action::Change, "receive"},
                   {Action::ChangeAll, "beautiful"},
                   {Action::IgnoreAll},
                   {Action::AddWord}});
    EXPECT_EQ(Shown(), (Lines{"word: recieve", "word: beatiful", "word: recieve", "word: Lumavert",
                              "message: The spelling check is complete."}));
    EXPECT_EQ(
        form.SubtitleList(),
        (TextList{"{10}{20}I did not receive the letter.", "{30}{40}It is a beautiful day.|I recieve it.",
                  "{50}{60}Lumavert makes it easy.", "{70}{80}Call Lumavert, recieve beautiful things."}));
    EXPECT_EQ(form.ListBox1.ItemIndex, 2);
    EXPECT_EQ(form.Edit5.Text, "50");
    EXPECT_EQ(ReadPersonalWords(form.PersonalWordsFile), (std::vector<std::string>{"Lumavert"}));

    EXPECT_EQ(form.History.UndoCount(), 2u);
    form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(form.SubtitleList()[1], kTypos[1]);
    EXPECT_EQ(form.SubtitleList()[0], "{10}{20}I did not receive the letter.");
    form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(form.SubtitleList(), kTypos);

    // The added word is known from then on.
    Check({"{1}{2}Lumavert is here."}, {});
    EXPECT_EQ(Shown(), (Lines{"message: The spelling check is complete."}));
}

// The dialog shows the word in its subtitle, the suggestions and the guessed dictionary.
TEST_F(SpellCommands, TheDialogShowsTheWordInItsSubtitle) {
    Check(kTypos, {{Action::Ignore}, {Action::Close}});
    EXPECT_EQ(Shown(), (Lines{"word: recieve", "word: beatiful"}));
    const SpellDialog &dialog = fake.dialogs.LastSpellDialog();
    EXPECT_EQ(dialog.Text, "It is a beatiful day.|I recieve it.");
    EXPECT_EQ(dialog.Text.substr(dialog.WordStart, dialog.Word.size()), "beatiful");
    ASSERT_FALSE(dialog.Suggestions.empty());
    EXPECT_EQ(dialog.Replacement, dialog.Suggestions.front());
    EXPECT_EQ(dialog.Labels.change, "Change");
    ASSERT_LT(dialog.DictionaryIndex, dialog.Dictionaries.size());
    EXPECT_EQ(dialog.Dictionaries[dialog.DictionaryIndex].rfind("en_", 0), 0u);
    EXPECT_EQ(form.SubtitleList(), kTypos);
    EXPECT_FALSE(form.History.CanUndo());
}

// Another dictionary checks the current subtitle again from its start.
TEST_F(SpellCommands, AnotherDictionaryChecksTheSubtitleAgain) {
    const std::vector<Dictionary> installed = InstalledDictionaries();
    const auto danish = std::find_if(installed.begin(), installed.end(),
                                     [](const Dictionary &dictionary) { return dictionary.name == "da_DK"; });
    ASSERT_NE(danish, installed.end());
    Check({"{1}{2}Jeg kommer idag.", "{3}{4}I did not recieve it."},
          {{Action::ChooseDictionary, std::nullopt, static_cast<std::size_t>(danish - installed.begin())},
           {Action::Close}});
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[1], "word: idag");
    EXPECT_EQ(form.ListBox1.ItemIndex, 0);
}

// A personal list that cannot be read or written adds nothing and stops nothing.
TEST_F(SpellCommands, AnUnusablePersonalListIsNoError) {
    form.PersonalWordsFile = folder.path().string(); // a folder, not a file
    Check({"{1}{2}Lumavert is here."}, {{Action::AddWord}});
    ASSERT_EQ(Shown().size(), 3u);
    EXPECT_EQ(Shown()[0], "word: Lumavert");
    EXPECT_EQ(Shown()[2], "message: The spelling check is complete.");
}

} // namespace
