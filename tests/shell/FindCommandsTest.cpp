#include "tests/editing/EditingFixture.h"

namespace {

const TextList kSky{"{10}{20}Red sky", "{30}{40}Blue sky|and BLUE sea", "{50}{60}bluebird", "{70}{80}blue"};

FindDialog Typed(std::string find, std::string replace = "",
                 FindDialog::Action pressed = FindDialog::Action::FindNext, bool wholeWords = false) {
    FindDialog dialog;
    dialog.FindText = std::move(find);
    dialog.ReplaceText = std::move(replace);
    dialog.WholeWords = wholeWords;
    dialog.Pressed = pressed;
    return dialog;
}

using FindCommands = EditingFixture;

// Find selects the next subtitle holding the text, round the end, and shows its frames.
TEST_F(FindCommands, FindSelectsTheNextSubtitleAndShowsIt) {
    Select(kSky, 0);
    fake.dialogs.AnswerFind(Typed("BLUE"));
    form.Run(&TForm1::Procurar1Click);
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
    EXPECT_EQ(form.Edit5.Text, "30");
    std::vector<int> found;
    for (int i = 0; i < 3; ++i) {
        form.Run(&TForm1::ProcurarSeguinte1Click);
        found.push_back(form.ListBox1.ItemIndex);
    }
    EXPECT_EQ(found, (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(form.Edit5.Text, "30");

    fake.dialogs.AnswerFind(Typed("green"));
    form.Run(&TForm1::Procurar1Click);
    EXPECT_EQ(fake.dialogs.Messages(), (std::vector<std::string>{"Text not found"}));
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
    EXPECT_FALSE(form.History.CanUndo());
}

// Replace all changes every subtitle's text in one step of the history and tells how many.
TEST_F(FindCommands, ReplaceAllIsOneStepOfTheHistory) {
    Select(kSky, 0);
    fake.dialogs.AnswerFind(Typed("blue", "green", FindDialog::Action::ReplaceAll, true));
    form.Run(&TForm1::Substituir1Click);
    EXPECT_EQ(form.SubtitleList(), (TextList{"{10}{20}Red sky", "{30}{40}green sky|and green sea",
                                             "{50}{60}bluebird", "{70}{80}green"}));
    EXPECT_EQ(fake.dialogs.Messages(), (std::vector<std::string>{"Replacements made: 3"}));
    EXPECT_EQ(form.History.UndoCount(), 1u);
    form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(form.SubtitleList(), kSky);
}

// Replace changes the first match of the selected subtitle, then finds the next.
TEST_F(FindCommands, ReplaceChangesTheSelectedSubtitleThenFindsTheNext) {
    Select(kSky, 1);
    fake.dialogs.AnswerFind(Typed("blue", "grey", FindDialog::Action::Replace));
    form.Run(&TForm1::Substituir1Click);
    EXPECT_EQ(form.SubtitleList()[1], "{30}{40}grey sky|and BLUE sea");
    EXPECT_EQ(form.ListBox1.ItemIndex, 2);
    fake.dialogs.AnswerFind(std::nullopt);
    form.Run(&TForm1::Substituir1Click);
    EXPECT_EQ(form.SubtitleList()[2], "{50}{60}bluebird");
}

TEST_F(FindCommands, ABadExpressionEndsInTheErrorBox) {
    Select(kSky, 0);
    FindDialog regex = Typed("(blue", "x", FindDialog::Action::ReplaceAll);
    regex.RegularExpression = true;
    fake.dialogs.AnswerFind(regex);
    form.Run(&TForm1::Substituir1Click);
    ASSERT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_NE(fake.dialogs.Errors()[0].find("\"(blue\""), std::string::npos);
    EXPECT_EQ(form.SubtitleList(), kSky);
}

} // namespace
