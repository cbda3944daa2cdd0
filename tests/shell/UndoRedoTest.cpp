#include "tests/editing/EditingFixture.h"
#include "tests/support/TempFolder.h"

#include <malloc.h>

#include <chrono>

namespace {

// Everything an undo puts back, read from the window's controls.
struct Shown {
    Lines list;
    int itemIndex;
    int topIndex;
    std::vector<std::string> fields;
    int selectedStart;
    int selectedEnd;
    friend bool operator==(const Shown &, const Shown &) = default;
};

Shown ShownBy(const TForm1 &form) {
    return {form.ListBox1.Items.ToVector(),
            form.ListBox1.ItemIndex,
            form.ListBox1.TopIndex,
            {form.Edit5.Text, form.Edit6.Text, form.Edit7.Text, form.Edit12.Text},
            form.SelectedStart,
            form.SelectedEnd};
}

void PrintTo(const Shown &shown, std::ostream *out) {
    for (const std::string &entry : shown.list)
        *out << entry << " / ";
    *out << "selected " << shown.itemIndex << " top " << shown.topIndex << " fields";
    for (const std::string &field : shown.fields)
        *out << " [" << field << "]";
}

// One list-changing action: the list it starts from with one entry selected,
// what else the window holds, the user's answers and the steps.
struct Action {
    const char *name;
    Lines list;
    int selected;
    Lines answers;
    std::vector<Step> steps;
    Lines kept = {}; // the file as opened, for "Load again" and the fitting
};

void PrintTo(const Action &a, std::ostream *out) {
    *out << a.name;
}

Step Arrow(UpDown TForm1::*upDown, int position, Handler click) {
    return [=](TForm1 &form) {
        (form.*upDown).Position = position;
        form.Run(click);
    };
}

const Lines kFilm = {"{10}{20}First", "{30}{40}Second line", "{200}{260}Third"};

// clang-format off
const Action kActions[] = {
    {"StartFrameTyped", kFilm, 1, {}, {Type(&TForm1::Edit5, "33", &TForm1::Edit5Exit)}},
    {"EndFrameTyped", kFilm, 1, {}, {Type(&TForm1::Edit6, "44", &TForm1::Edit6Exit)}},
    {"StartArrow", kFilm, 1, {}, {Arrow(&TForm1::UpDown1, 2, &TForm1::UpDown1Click)}},
    {"EndArrow", kFilm, 2, {}, {Arrow(&TForm1::UpDown2, -3, &TForm1::UpDown2Click)}},
    {"TextRenamed", kFilm, 1, {"Other words"}, {On(&TForm1::ListBox1DblClick)}},
    {"Inserted", kFilm, 1, {"New one"}, {On(&TForm1::btInsertClick)}},
    {"Deleted", kFilm, 1, {"yes"}, {On(&TForm1::EliminarClick)}},
    {"DeletedByKey", kFilm, 2, {"yes"}, {Key(0x2E)}},
    {"CopiedAndPasted", kFilm, 0, {"First"}, {On(&TForm1::btCopyClick), On(&TForm1::btPastClick)}},
    {"Uppercase", kFilm, 1, {}, {On(&TForm1::Uppercase1Click)}},
    {"Lowercase", kFilm, 0, {}, {On(&TForm1::AnsiLowercase1Click)}},
    {"TitleLine", kFilm, 1, {"My film"}, {On(&TForm1::bt_IDClick)}},
    {"TimingCorrected", {"{10}{20}a", "{30}{25}b"}, 0, {"yes"}, {On(&TForm1::btAutoClick)}},
    {"Fitted", {"{1}{9}Subtitles should always break at a space", "{10}{20}b"}, 1, {},
     {On(&TForm1::bt60Max)}, {"{1}{9}Subtitles should always break at a space", "{10}{20}b"}},
    {"LoadedAgain", kFilm, 2, {}, {On(&TForm1::btOriginalClick)}, {"{10}{20}First", "{30}{40}Second line"}},
};
// clang-format on

class UndoRedo : public EditingFixture, public testing::WithParamInterface<Action> {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        form.AtrasoEdit.Text = "0";
        form.ComboBox3.Text = "2";
    }
};

// Undo shows the list, the selection and the fields exactly as before the
// action; redo exactly as after it.
TEST_P(UndoRedo, UndoRestoresTheWindowBeforeAndRedoTheWindowAfter) {
    const Action &action = GetParam();
    Select(TextList(action.list), action.selected);
    form.KeptCopy() = TextList(action.kept);
    for (const std::string &answer : action.answers)
        answer == "yes" ? fake.dialogs.AnswerYes() : fake.dialogs.AnswerInput(answer);
    const Shown before = ShownBy(form);
    for (const Step &step : action.steps)
        step(form);
    const Shown after = ShownBy(form);
    ASSERT_NE(after.list, before.list) << "the action changed nothing";
    EXPECT_TRUE(form.Desfazer1.Enabled);
    EXPECT_FALSE(form.Refazer1.Enabled);

    form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(ShownBy(form), before);
    EXPECT_FALSE(form.Desfazer1.Enabled);
    EXPECT_TRUE(form.Refazer1.Enabled);

    form.Run(&TForm1::Refazer1Click);
    EXPECT_EQ(ShownBy(form), after);
    EXPECT_TRUE(form.Desfazer1.Enabled);
    EXPECT_FALSE(form.Refazer1.Enabled);
}

INSTANTIATE_TEST_SUITE_P(Actions, UndoRedo, testing::ValuesIn(kActions),
                         [](const testing::TestParamInfo<Action> &info) { return info.param.name; });

using UndoHistoryOfTheWindow = EditingFixture;

TEST_F(UndoHistoryOfTheWindow, AStepUndoneAndANewOneForgetsTheRedo) {
    Select(TextList(kFilm), 1);
    for (const char *frame : {"31", "32"})
        Type(&TForm1::Edit5, frame, &TForm1::Edit5Exit)(form);
    form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(form.SubtitleList()[1], "{31}{40}Second line");
    Type(&TForm1::Edit6, "45", &TForm1::Edit6Exit)(form);
    EXPECT_FALSE(form.Refazer1.Enabled);
    form.Run(&TForm1::Desfazer1Click);
    form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(form.SubtitleList().ToVector(), kFilm);
    EXPECT_FALSE(form.Desfazer1.Enabled);
    // Undo with nothing to undo changes nothing.
    form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(form.SubtitleList().ToVector(), kFilm);
}

TEST_F(UndoHistoryOfTheWindow, NewAndOpeningForgetTheHistory) {
    const TempFolder folder("undo");
    const std::string film = folder.Write("film.sub", "{1}{2}a\r\n");
    for (const Handler clears : {&TForm1::btNovoClick, &TForm1::btAbrirClick}) {
        Select(TextList(kFilm), 1);
        Type(&TForm1::Edit5, "31", &TForm1::Edit5Exit)(form);
        form.Run(&TForm1::Desfazer1Click);
        Type(&TForm1::Edit5, "32", &TForm1::Edit5Exit)(form);
        if (clears == &TForm1::btAbrirClick)
            fake.dialogs.ChooseFile(film);
        form.Run(clears);
        EXPECT_FALSE(form.Desfazer1.Enabled);
        EXPECT_FALSE(form.Refazer1.Enabled);
    }
}

TEST_F(UndoHistoryOfTheWindow, KeepsTheLastHundredSteps) {
    Select(TextList(kFilm), 1);
    for (int frame = 100; frame <= 200; ++frame)
        Type(&TForm1::Edit6, std::to_string(frame), &TForm1::Edit6Exit)(form);
    int undone = 0;
    for (; form.Desfazer1.Enabled; ++undone)
        form.Run(&TForm1::Desfazer1Click);
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(form.SubtitleList()[1], "{30}{100}Second line");
}

// Heap in use, large blocks included.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A hundred edits of single entries of a large list cost a few kilobytes,
// not a hundred copies of the list; and undo stays quick.
TEST_F(UndoHistoryOfTheWindow, StepsOnALargeListCostWhatTheyChanged) {
    constexpr int kEntries = 300000;
    TextList film;
    for (int i = 0; i < kEntries; ++i)
        film.Add("{" + std::to_string(10 * i) + "}{" + std::to_string(10 * i + 5) + "}A subtitle of a film");
    Select(std::move(film), 1);
    form.KeptCopy() = TextList();
    Type(&TForm1::Edit6, "6", &TForm1::Edit6Exit)(form);
    const std::size_t heapBefore = HeapInUse();
    for (int step = 0; step < 100; ++step) {
        form.ListBox1.ItemIndex = 1000 * step + 1;
        form.Run(&TForm1::ListBox1Click);
        Type(&TForm1::Edit6, std::to_string(10000 * step + 7), &TForm1::Edit6Exit)(form);
    }
    const std::size_t grown = HeapInUse() - std::min(HeapInUse(), heapBefore);
    EXPECT_LT(grown, std::size_t{1} << 20) << grown << " bytes for 100 steps";

    const auto start = std::chrono::steady_clock::now();
    form.Run(&TForm1::Desfazer1Click);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(form.SubtitleList()[99001], "{990010}{990015}A subtitle of a film");
    EXPECT_LT(took, std::chrono::milliseconds(100));
}

} // namespace
