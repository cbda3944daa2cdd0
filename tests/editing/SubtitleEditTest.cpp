#include "tests/editing/EditingFixture.h"

#include <climits>
#include <optional>

namespace {

class SubtitleEdit : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        Select({"{0}{1}first", "{100}{150}Hi"}, 1);
    }
    void ClickStartArrow(int times) {
        for (int i = 0; i < times; ++i) {
            ++form.UpDown1.Position;
            form.Run(&TForm1::UpDown1Click);
        }
    }
    const std::string &Entry() { return form.SubtitleList()[1]; }
};

TEST_F(SubtitleEdit, ArrowsCountFromTheLastTypedFrame) {
    ClickStartArrow(3);
    EXPECT_EQ(Entry(), "{103}{150}Hi");
    EXPECT_EQ(form.Edit7.Text, "47");
    EXPECT_EQ(form.Edit12.Text, "00:00:01,880");
    form.Edit5.Text = "120";
    form.Edit5Exit();
    EXPECT_EQ(Entry(), "{120}{150}Hi");
    EXPECT_EQ(form.Edit7.Text, "47"); // the duration waits for the next click
    ClickStartArrow(1);
    EXPECT_EQ(form.Edit5.Text, "124");
    form.Edit6.Text = "007";
    form.Edit6Exit();
    EXPECT_EQ(form.Edit6.Text, "7");
    EXPECT_EQ(form.SelectedEnd, 7);
    EXPECT_EQ(Entry(), "{124}{7}Hi");
}

TEST_F(SubtitleEdit, AFrameThatIsNoNumberIsRefusedAndNeverWritten) {
    form.Edit6.Text = "x";
    form.Edit6Exit();
    EXPECT_EQ(fake.dialogs.Messages(), std::vector<std::string>{"Error in Frame"});
    EXPECT_EQ(form.Edit6.Text, "");
    EXPECT_EQ(form.ActiveControl, &form.Edit6);
    EXPECT_EQ(Entry(), "{100}{150}Hi");
    // The emptied end field leaves the entry its own end frame.
    form.Edit5.Text = "120";
    form.Edit5Exit();
    EXPECT_EQ(Entry(), "{120}{150}Hi");
    // An arrow writes the entry, then fails on the duration.
    fake.dialogs.AllowErrors();
    ClickStartArrow(1);
    EXPECT_EQ(Entry(), "{121}{150}Hi");
    EXPECT_EQ(fake.dialogs.Errors(), std::vector<std::string>{"'' is not a valid integer value"});
    // A frame beyond 32 bits changes nothing.
    form.SelectedStart = INT_MAX;
    ClickStartArrow(1);
    EXPECT_EQ(fake.dialogs.Errors().back(), "'2147483649' is not a valid integer value");
    EXPECT_EQ(form.Edit5.Text, "121");
}

struct RateCase {
    const char *typed;
    const char *shown;
    double fps;
    const char *message; // a plain box, or an error box when it starts with "!"
};

class FrameRateBox : public EditingFixture, public testing::WithParamInterface<RateCase> {};

TEST_P(FrameRateBox, TakesTheTypedRate) {
    const RateCase &c = GetParam();
    form.Combobox2.Text = c.typed;
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::Combobox2Exit);
    EXPECT_EQ(form.Combobox2.Text, c.shown);
    EXPECT_DOUBLE_EQ(form.CurrentFps, c.fps);
    std::vector<std::string> boxes = fake.dialogs.Messages();
    for (const std::string &error : fake.dialogs.Errors())
        boxes.push_back("!" + error);
    EXPECT_EQ(boxes, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FrameRateBox,
    testing::Values(RateCase{"23,976/25", "22,99394304", 22.99394304, nullptr},
                    RateCase{"25/23,976", "26,0677344010677", 26.0677344010677, nullptr},
                    RateCase{"25,000", "25", 25, nullptr}, RateCase{"30", "30", 30, nullptr},
                    RateCase{"abc", "", 25, "FPS have error"}, RateCase{"1E400", "", 25, "FPS have error"},
                    RateCase{"25/0", "25/0", 25, "!Floating point division by zero"},
                    RateCase{"x/25", "x/25", 25, "!'x' is not a valid floating point value"}));

struct TextEditCase {
    const char *entry;
    const char *proposal;
    std::optional<std::string> answer;
    const char *result;
};

class TextEdit : public EditingFixture, public testing::WithParamInterface<TextEditCase> {};

TEST_P(TextEdit, OffersTheTextOrTheWholeMalformedEntry) {
    const TextEditCase &c = GetParam();
    form.ListBox1.Items = TextList{c.entry};
    form.ListBox1.ItemIndex = 0;
    form.Guardar1.Enabled = true;
    fake.dialogs.AnswerInput(c.answer);
    form.ListBox1DblClick();
    EXPECT_EQ(fake.dialogs.Boxes().front().text, "Change subtitles|Field to change");
    EXPECT_EQ(fake.dialogs.Proposals(), std::vector<std::string>{c.proposal});
    EXPECT_EQ(form.SubtitleList()[0], c.result);
    EXPECT_EQ(form.Guardar1.Enabled, !c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TextEdit,
    testing::Values(TextEditCase{"{100}{150}Hello|world", "Hello|world", "Hi|all", "{100}{150}Hi|all"},
                    TextEditCase{"{1}{2}{y:i}Hi", "{y:i}Hi", std::nullopt, "{1}{2}{y:i}Hi"},
                    TextEditCase{"{1}{2}", "", "New", "{1}{2}New"},
                    TextEditCase{"1}{2}Hi", "1}{2}Hi", "{1}{2}Hi", "{1}{2}Hi"},
                    TextEditCase{"{1}2}Hi", "{1}2}Hi", "{1}{2}Hi", "{1}{2}Hi"}));

} // namespace
