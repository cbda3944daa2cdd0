#include "document/LetterCase.h"
#include "tests/editing/EditingFixture.h"

#include <chrono>

namespace {

using Lines = std::vector<std::string>;

class ListOperations : public EditingFixture {
protected:
    Lines List() { return form.SubtitleList().ToVector(); }
    Lines Shown() {
        Lines shown = fake.dialogs.Messages();
        for (const std::string &error : fake.dialogs.Errors())
            shown.push_back(error);
        return shown;
    }
};

struct InsertCase {
    const char *next;
    int selected;
    bool asked;        // a failure may come before the input box
    const char *typed; // nullptr cancels
    Lines boxes;       // messages, then errors
    const char *inserted;
};

class Insert : public ListOperations, public testing::WithParamInterface<InsertCase> {};

TEST_P(Insert, PutsTheNewEntryAfterTheSelectedOne) {
    const InsertCase &c = GetParam();
    Select({"{100}{150}One", c.next}, c.selected);
    if (c.asked)
        fake.dialogs.AnswerInput(c.typed ? std::optional<std::string>(c.typed) : std::nullopt);
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::btInsertClick);
    EXPECT_EQ(Shown(), c.boxes);
    const Lines before{"{100}{150}One", c.next};
    const Lines after = *c.inserted ? Lines{before[0], c.inserted, c.next} : before;
    EXPECT_EQ(List(), after);
    if (*c.inserted) {
        EXPECT_EQ("{" + form.Edit5.Text + "}{" + form.Edit6.Text + "}", std::string(c.inserted, 10));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Insert, testing::Values(
    InsertCase{"{300}{350}Two", 0, true, "New", {}, "{175}{200}New"},
    InsertCase{"{180}{250}Two", 0, true, "A|b", {"Correct Frame"}, "{151}{152}A|b"},
    InsertCase{"{180}{250}Two", 0, true, nullptr, {"Correct Frame"}, ""},
    InsertCase{"{300}{350}Two", 1, false, nullptr, {"List index out of bounds (2)"}, ""},
    InsertCase{"{300}{350}Two", -1, false, nullptr, {"List index out of bounds (-1)"}, ""},
    InsertCase{"{x}{350}Two", 0, false, nullptr, {"'x' is not a valid integer value"}, ""}));
// clang-format on

TEST_F(ListOperations, InsertingAfterTheLastFrameOf32BitsChangesNothing) {
    Select({"{1}{2147483646}a", "{2147483647}{0}b"}, 0);
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::btInsertClick);
    EXPECT_EQ(fake.dialogs.Errors(), Lines{"'2147483648' is not a valid integer value"});
}

TEST_F(ListOperations, PastingProposesTheCopiedTextOnce) {
    Select({"{100}{150}Hello|world", "{200}{210}a", "{300}{310}b"}, 0);
    form.btCopyClick();
    EXPECT_TRUE(form.btPast.Enabled);
    form.ListBox1.ItemIndex = 1;
    fake.dialogs.AnswerInput("Hello|world");
    form.btPastClick();
    EXPECT_EQ(List()[2], "{235}{260}Hello|world");
    EXPECT_FALSE(form.btPast.Enabled);
    // After a cancelled paste the next one proposes the same text.
    Select({"{1}{2}a}b}c", "{100}{200}x"}, 0);
    form.btCopyClick();
    fake.dialogs.AnswerInput(std::nullopt);
    fake.dialogs.AnswerInput(std::nullopt);
    form.btPastClick();
    form.btPastClick();
    EXPECT_EQ(fake.dialogs.Proposals(), (Lines{"Hello|world", "a}b}c", "a}b}c"}));
    form.ListBox1.ItemIndex = -1;
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::btCopyClick);
    EXPECT_EQ(fake.dialogs.Errors(), Lines{"List index out of bounds (-1)"});
    EXPECT_EQ(form.CopiedLine, "a}b}c");
}

TEST_F(ListOperations, DeletingSelectsTheEntryThatTookItsPlace) {
    form.WorkList() = TextList{"{2}{100}Title", "w"};
    Select({"{2}{100}Title", "{200}{260}A", "{300}{390}B"}, 0);
    for (int i = 0; i < 3; ++i)
        fake.dialogs.AnswerYes();
    form.EliminarClick();
    EXPECT_EQ(form.WorkList().ToVector(), Lines{"w"});
    EXPECT_TRUE(form.bt_ID.Enabled);
    EXPECT_EQ(form.Edit5.Text, "200");
    form.ListBox1.ItemIndex = 1;
    form.bt_ID.Enabled = false;
    form.EliminarClick();
    EXPECT_EQ(List(), Lines{"{200}{260}A"});
    EXPECT_EQ(form.Edit6.Text + std::to_string(form.ListBox1.ItemIndex), "2600");
    EXPECT_FALSE(form.bt_ID.Enabled);
    EXPECT_EQ(fake.dialogs.Boxes().front(), (ShownBox{ShownBox::Kind::Warning, "Do you want to delete?"}));
    // A title line goes even when the WorkList is empty; an empty list asks nothing.
    form.WorkList().Clear();
    Select({"{2}{100}T"}, 0);
    form.EliminarClick();
    EXPECT_TRUE(form.bt_ID.Enabled);
    form.EliminarClick();
    // Only {2}{100} is taken for a title line.
    form.bt_ID.Enabled = false;
    Select({"{2}{59}T"}, 0);
    fake.dialogs.AnswerNo();
    form.EliminarClick();
    EXPECT_EQ(List(), Lines{"{2}{59}T"});
    fake.dialogs.AnswerYes();
    form.EliminarClick();
    EXPECT_EQ(fake.dialogs.Boxes().size(), 5u);
    EXPECT_EQ(form.ListBox1.ItemIndex, -1);
    EXPECT_FALSE(form.bt_ID.Enabled);
}

struct TitleCase {
    const char *first;
    const char *title; // nullptr: nothing is asked
    const char *line;
};

class TitleLine : public ListOperations, public testing::WithParamInterface<TitleCase> {};

TEST_P(TitleLine, GoesFirstInThreeLists) {
    const TitleCase &c = GetParam();
    Select({c.first, "{900}{950}x"}, 1);
    form.WorkList() = form.ImportBuffer() = form.SubtitleList();
    form.bt_ID.Enabled = true;
    if (c.title)
        fake.dialogs.AnswerInput(c.title);
    form.bt_IDClick();
    const Lines expected = c.title ? Lines{c.line, c.first, "{900}{950}x"} : Lines{c.first, "{900}{950}x"};
    for (TextList *list : {&form.SubtitleList(), &form.ImportBuffer(), &form.WorkList()})
        EXPECT_EQ(list->ToVector(), expected);
    EXPECT_EQ(form.SubtitleList()[static_cast<std::size_t>(form.ListBox1.ItemIndex)], "{900}{950}x");
    EXPECT_EQ(form.bt_ID.Enabled, !c.title);
    EXPECT_EQ(form.DefaultButton == &form.btConvert && form.ActiveControl == &form.btConvert,
              c.title != nullptr);
    EXPECT_EQ(fake.dialogs.Proposals(), c.title ? Lines{"DivX Video"} : Lines{});
}

INSTANTIATE_TEST_SUITE_P(FirstFrames, TitleLine,
                         testing::Values(TitleCase{"{500}{550}a", "DivX Video", "{2}{100}DivX Video"},
                                         TitleCase{"{60}{90}a", "Film", "{2}{59}Film"},
                                         TitleCase{"{3}{9}a", nullptr, ""},
                                         TitleCase{"{0}{9}a", nullptr, ""}));

TEST(LetterCase, AnsiCaseChangesEveryLetterOfTheCodePage) {
    const std::string small =
        "abcdefghijklmnopqrstuvwxyz\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED"
        "\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE\x9A\x9C\x9E\xFF";
    const std::string capital =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC"
        "\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE\x8A\x8C\x8E\x9F";
    for (const bool upper : {true, false}) {
        const std::string &from = upper ? small : capital;
        std::string all;
        std::string expected;
        for (int byte = 0; byte < 256; ++byte) {
            all += static_cast<char>(byte);
            const std::size_t at = from.find(static_cast<char>(byte));
            expected += at == std::string::npos ? static_cast<char>(byte) : (upper ? capital : small)[at];
        }
        ChangeCase(all, upper ? LetterCase::AnsiUpper : LetterCase::AnsiLower);
        EXPECT_EQ(all, expected);
    }
}

TEST_F(ListOperations, CaseHandlersAndListKeys) {
    const std::pair<Handler, const char *> cases[] = {
        {&TForm1::Uppercase1Click, "{1}{2}E\xE9|\xC9"},
        {&TForm1::AnsiUppercase1Click, "{1}{2}E\xC9|\xC9"},
        {&TForm1::Lowercase1Click, "{1}{2}e\xE9|\xC9"},
        {&TForm1::AnsiLowercase1Click, "{1}{2}e\xE9|\xE9"},
    };
    for (const auto &[handler, changed] : cases) {
        Select({"{1}{2}e\xE9|\xC9", "{100}{200}1"}, 0);
        (form.*handler)();
        EXPECT_EQ(List(), (Lines{changed, "{100}{200}1"}));
    }
    // Insert (cancelled), two reports and Delete; X does nothing.
    fake.dialogs.AnswerInput(std::nullopt);
    fake.dialogs.AnswerYes();
    for (const int key : {int{'X'}, int{'I'}, int{'T'}, int{'P'}, 0x2E})
        form.ListBox1KeyDown(key);
    using K = ShownBox::Kind;
    std::vector<K> kinds;
    for (const ShownBox &box : fake.dialogs.Boxes())
        kinds.push_back(box.kind);
    EXPECT_EQ(kinds, (std::vector<K>{K::Input, K::Message, K::Message, K::Warning}));
    EXPECT_EQ(List(), Lines{"{100}{200}1"});
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
