#include "document/LetterCase.h"
#include "tests/editing/EditingFixture.h"

#include <chrono>
#include <optional>

namespace {

using Lines = std::vector<std::string>;

class ListOperations : public EditingFixture {
protected:
    Lines List() { return form.SubtitleList().ToVector(); }
};

struct InsertCase {
    const char *name;
    Lines entries;
    int selected;
    bool asked;                       // a failure may come before the input box
    std::optional<std::string> typed; // nullopt cancels
    Lines boxes;                      // messages, then errors
    Lines result;
};

class Insert : public ListOperations, public testing::WithParamInterface<InsertCase> {};

TEST_P(Insert, PutsTheNewEntryAfterTheSelectedOne) {
    const InsertCase &c = GetParam();
    Select(TextList(c.entries), c.selected);
    if (c.asked)
        fake.dialogs.AnswerInput(c.typed);
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::btInsertClick);
    Lines boxes = fake.dialogs.Messages();
    for (const std::string &error : fake.dialogs.Errors())
        boxes.push_back(error);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(List(), c.result);
    if (c.result != c.entries) {
        EXPECT_EQ(form.ListBox1.ItemIndex, c.selected + 1);
        EXPECT_EQ(form.ListBox1.TopIndex, c.selected);
        EXPECT_EQ(form.Edit5.Text, c.result[static_cast<std::size_t>(c.selected) + 1].substr(1, 3));
    }
}

const Lines kSpaced{"{100}{150}One", "{300}{350}Two"};
const Lines kCrowded{"{100}{150}One", "{180}{250}Two"};

INSTANTIATE_TEST_SUITE_P(
    Cases, Insert,
    testing::Values(
        InsertCase{
            "Spaced", kSpaced, 0, true, "New", {}, {"{100}{150}One", "{175}{200}New", "{300}{350}Two"}},
        InsertCase{"Crowded",
                   kCrowded,
                   0,
                   true,
                   "A|b",
                   {"Correct Frame"},
                   {kCrowded[0], "{151}{152}A|b", kCrowded[1]}},
        InsertCase{"Cancelled", kCrowded, 0, true, std::nullopt, {"Correct Frame"}, kCrowded},
        InsertCase{
            "LastSelected", kSpaced, 1, false, std::nullopt, {"List index out of bounds (2)"}, kSpaced},
        InsertCase{
            "NoneSelected", kSpaced, -1, false, std::nullopt, {"List index out of bounds (-1)"}, kSpaced},
        InsertCase{"NotAFrame",
                   {"{1}{2}a", "{x}{9}b"},
                   0,
                   false,
                   std::nullopt,
                   {"'x' is not a valid integer value"},
                   {"{1}{2}a", "{x}{9}b"}},
        InsertCase{"Beyond32Bits",
                   {"{1}{2147483646}a", "{2147483647}{2147483647}b"},
                   0,
                   false,
                   std::nullopt,
                   {"'2147483648' is not a valid integer value"},
                   {"{1}{2147483646}a", "{2147483647}{2147483647}b"}}),
    [](const testing::TestParamInfo<InsertCase> &info) { return std::string(info.param.name); });

TEST_F(ListOperations, PastingProposesTheCopiedTextOnce) {
    Select({"{100}{150}Hello|world", "{200}{210}a", "{300}{310}b"}, 0);
    form.btCopyClick();
    EXPECT_TRUE(form.btPast.Enabled);
    form.ListBox1.ItemIndex = 1;
    fake.dialogs.AnswerInput("Hello|world");
    form.btPastClick();
    EXPECT_EQ(List()[2], "{235}{260}Hello|world");
    EXPECT_FALSE(form.btPast.Enabled);
    // A cancelled paste leaves the text, and the next paste proposes it whole.
    Select({"{1}{2}a}b}c", "{100}{200}x"}, 0);
    form.btCopyClick();
    fake.dialogs.AnswerInput(std::nullopt);
    fake.dialogs.AnswerInput(std::nullopt);
    form.btPastClick();
    form.btPastClick();
    EXPECT_EQ(fake.dialogs.Proposals(), (Lines{"Hello|world", "a}b}c", "a}b}c"}));
    EXPECT_TRUE(form.btPast.Enabled);
    // Copying with nothing selected names the position and changes nothing.
    form.ListBox1.ItemIndex = -1;
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::btCopyClick);
    EXPECT_EQ(fake.dialogs.Errors(), Lines{"List index out of bounds (-1)"});
    EXPECT_EQ(form.CopiedLine, "a}b}c");
}

TEST_F(ListOperations, DeletingSelectsTheEntryThatTookItsPlace) {
    form.WorkList() = TextList{"{2}{100}Title", "w"};
    form.bt_ID.Enabled = false;
    Select({"{2}{100}Title", "{200}{260}A", "{300}{390}B"}, 0);
    for (int i = 0; i < 3; ++i)
        fake.dialogs.AnswerYes();
    form.EliminarClick();
    EXPECT_EQ(List(), (Lines{"{200}{260}A", "{300}{390}B"}));
    EXPECT_EQ(form.WorkList().ToVector(), Lines{"w"});
    EXPECT_TRUE(form.bt_ID.Enabled);
    EXPECT_EQ(form.Edit5.Text, "200");
    form.ListBox1.ItemIndex = 1;
    form.bt_ID.Enabled = false;
    form.EliminarClick();
    EXPECT_EQ(form.ListBox1.ItemIndex, 0);
    EXPECT_EQ(form.Edit6.Text, "260");
    form.EliminarClick();
    EXPECT_EQ(form.ListBox1.ItemIndex, -1);
    EXPECT_FALSE(form.bt_ID.Enabled);
    EXPECT_EQ(fake.dialogs.Boxes().front(), (ShownBox{ShownBox::Kind::Warning, "Do you want to delete?"}));
    // An empty list asks nothing; No deletes nothing; a title line with an
    // empty WorkList still goes.
    form.EliminarClick();
    form.WorkList().Clear();
    Select({"{2}{100}T", "{200}{260}A"}, 0);
    fake.dialogs.AnswerNo();
    form.EliminarClick();
    fake.dialogs.AnswerYes();
    form.EliminarClick();
    EXPECT_EQ(List(), Lines{"{200}{260}A"});
    EXPECT_EQ(fake.dialogs.Boxes().size(), 5u);
}

struct TitleCase {
    const char *first;
    std::optional<std::string> title; // asked only when the title line fits
    const char *line;                 // the new entry 0; empty when nothing changes
};

class TitleLine : public ListOperations, public testing::WithParamInterface<TitleCase> {};

TEST_P(TitleLine, GoesFirstInThreeLists) {
    const TitleCase &c = GetParam();
    Select({c.first, "{900}{950}x"}, 1);
    form.WorkList() = form.ImportBuffer() = form.SubtitleList();
    form.bt_ID.Enabled = true;
    const bool added = *c.line != '\0';
    if (added)
        fake.dialogs.AnswerInput(c.title);
    form.bt_IDClick();
    const Lines expected = added ? Lines{c.line, c.first, "{900}{950}x"} : Lines{c.first, "{900}{950}x"};
    for (TextList *list : {&form.SubtitleList(), &form.ImportBuffer(), &form.WorkList()})
        EXPECT_EQ(list->ToVector(), expected);
    EXPECT_EQ(form.SubtitleList()[static_cast<std::size_t>(form.ListBox1.ItemIndex)], "{900}{950}x");
    EXPECT_EQ(form.bt_ID.Enabled, !added);
    EXPECT_EQ(form.DefaultButton == &form.btConvert, added);
    EXPECT_EQ(fake.dialogs.Proposals(), added ? Lines{"DivX Video"} : Lines{});
}

INSTANTIATE_TEST_SUITE_P(FirstFrames, TitleLine,
                         testing::Values(TitleCase{"{500}{550}a", "DivX Video", "{2}{100}DivX Video"},
                                         TitleCase{"{60}{90}a", "Film", "{2}{59}Film"},
                                         TitleCase{"{3}{9}a", std::nullopt, ""},
                                         TitleCase{"{0}{9}a", std::nullopt, ""}));

// Every letter pair of cp1252, written out.
const std::string kSmall =
    "abcdefghijklmnopqrstuvwxyz\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE\x9A\x9C\x9E\xFF";
const std::string kCapital =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
    "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE\x8A\x8C\x8E\x9F";

TEST(LetterCase, AnsiCaseChangesEveryLetterOfTheCodePage) {
    for (const bool upper : {true, false}) {
        const std::string &from = upper ? kSmall : kCapital;
        const std::string &to = upper ? kCapital : kSmall;
        std::string all;
        std::string expected;
        for (int byte = 0; byte < 256; ++byte) {
            all += static_cast<char>(byte);
            const std::size_t at = from.find(static_cast<char>(byte));
            expected += at == std::string::npos ? static_cast<char>(byte) : to[at];
        }
        ChangeCase(all, upper ? LetterCase::AnsiUpper : LetterCase::AnsiLower);
        EXPECT_EQ(all, expected);
    }
}

TEST_F(ListOperations, CaseHandlersChangeWholeFrameLines) {
    const std::vector<std::pair<Handler, std::string>> cases = {
        {&TForm1::Uppercase1Click, "{1}{2}E\xE9|\xC9"},
        {&TForm1::AnsiUppercase1Click, "{1}{2}E\xC9|\xC9"},
        {&TForm1::Lowercase1Click, "{1}{2}e\xE9|\xC9"},
        {&TForm1::AnsiLowercase1Click, "{1}{2}e\xE9|\xE9"},
    };
    for (const auto &[handler, changed] : cases) {
        Select({"{1}{2}e\xE9|\xC9"}, 0);
        (form.*handler)();
        EXPECT_EQ(List(), Lines{changed});
        EXPECT_EQ(form.ListBox1.ItemIndex, 0);
    }
}

TEST_F(ListOperations, ListKeysRunTheirHandlers) {
    Select({"{1}{2}a", "{100}{200}b"}, 0);
    fake.dialogs.AnswerInput(std::nullopt);
    fake.dialogs.AnswerYes();
    for (const int key : {int{'X'}, int{'I'}, int{'T'}, int{'P'}, 0x2E})
        form.ListBox1KeyDown(key);
    std::vector<ShownBox::Kind> kinds;
    for (const ShownBox &box : fake.dialogs.Boxes())
        kinds.push_back(box.kind);
    using K = ShownBox::Kind;
    EXPECT_EQ(kinds, (std::vector<K>{K::Input, K::Message, K::Message, K::Warning}));
    EXPECT_EQ(List(), Lines{"{100}{200}b"});
}

TEST_F(ListOperations, AMillionEntriesTakeWellUnderASecond) {
    std::vector<std::string> entries;
    for (int i = 0; i < 1'000'000; ++i)
        entries.push_back("{" + std::to_string(i * 100) + "}{" + std::to_string(i * 100 + 50) +
                          "}Line one|two");
    Select(TextList(std::move(entries)), 500'000);
    form.KeptCopy() = form.SubtitleList();
    fake.dialogs.AnswerInput("New");
    fake.dialogs.AnswerYes();
    // Each took under half a second here with seven builds sharing two cores.
    for (Handler handler : {&TForm1::AnsiUppercase1Click, &TForm1::btInsertClick, &TForm1::EliminarClick}) {
        const auto before = std::chrono::steady_clock::now();
        (form.*handler)();
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1));
    }
    EXPECT_EQ(form.SubtitleList().Count(), 1'000'000u);
    EXPECT_EQ(form.SubtitleList()[500'001], "{50000100}{50000150}LINE ONE|TWO");
}

} // namespace
