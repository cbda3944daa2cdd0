#include "document/LetterCase.h"
#include "document/TextEncoding.h"
#include "tests/editing/EditingFixture.h"

#include <chrono>

namespace {

const Step kInsert = On(&TForm1::btInsertClick);
const Step kCopy = On(&TForm1::btCopyClick);
const Step kPaste = On(&TForm1::btPastClick);
const Step kDelete = On(&TForm1::EliminarClick);
const Step kTitle = On(&TForm1::bt_IDClick);
const Step kEmptyWorkList = [](TForm1 &form) { form.WorkList().Clear(); };

class ListOperations : public EditingFixture, public testing::WithParamInterface<Scenario> {
protected:
    // The selection and the frames shown, the WorkList's size, and the
    // buttons that come and go: bt_ID, btPast, btConvert as the default.
    std::string Shown() {
        return "sel=" + std::to_string(form.ListBox1.ItemIndex) + " " + form.Edit5.Text + "-" +
               form.Edit6.Text + " work=" + std::to_string(form.WorkList().Count()) +
               (form.bt_ID.Enabled ? " bt_ID" : "") + (form.btPast.Enabled ? " btPast" : "") +
               (form.DefaultButton == &form.btConvert ? " convert" : "");
    }
};

TEST_P(ListOperations, Steps) {
    Play(GetParam(), [this] { return Shown(); });
}

const Lines kSpaced{"{100}{150}One", "{300}{350}Two"};
const Lines kCrowded{"{100}{150}One", "{180}{250}Two"};
const Lines kThree{"{10}{20}A", "{30}{40}B", "{50}{60}C"};
const std::string kInsertBox = "input: Insert|Insert Subtitle=";
const std::string kDeleteBox = "warning: Do you want to delete?";
const std::string kTitleBox = "input: Change Name or Nº|Name or Nº=DivX Video";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ListOperations, testing::Values(
    Scenario{"InsertByKey", kSpaced, 0, {Key('I')}, {"New"}, {kInsertBox},
             {kSpaced[0], "{175}{200}New", kSpaced[1]}, "sel=1 175-200 work=2 bt_ID"},
    Scenario{"InsertCrowded", kCrowded, 0, {kInsert}, {"A|b"}, {"message: Correct Frame", kInsertBox},
             {kCrowded[0], "{151}{152}A|b", kCrowded[1]}, "sel=1 151-152 work=2 bt_ID"},
    Scenario{"InsertCancelled", kCrowded, 0, {kInsert}, {"cancel"}, {"message: Correct Frame", kInsertBox},
             kCrowded, "sel=0 100-150 work=2 bt_ID"},
    Scenario{"InsertAfterTheLast", kSpaced, 1, {kInsert}, {}, {"error: List index out of bounds (2)"}, kSpaced,
             "sel=1 300-350 work=2 bt_ID"},
    Scenario{"InsertWithoutSelection", kSpaced, -1, {kInsert}, {}, {"error: List index out of bounds (-1)"},
             kSpaced, "sel=-1 - work=2 bt_ID"},
    Scenario{"InsertBeforeNoFrame", {"{1}{2}a", "{x}{9}b"}, 0, {kInsert}, {},
             {"error: 'x' is not a valid integer value"}, {"{1}{2}a", "{x}{9}b"}, "sel=0 1-2 work=2 bt_ID"},
    Scenario{"InsertBeyond32Bits", {"{1}{2147483646}a", "{2147483647}{0}b"}, 0, {kInsert}, {},
             {"error: '2147483648' is not a valid integer value"}, {"{1}{2147483646}a", "{2147483647}{0}b"},
             "sel=0 1-2147483646 work=2 bt_ID"},
    Scenario{"PasteProposesTheText", {"{100}{150}Hello|world", "{300}{310}b"}, 0, {kCopy, kPaste},
             {"Hello|world"}, {kInsertBox + "Hello|world"},
             {"{100}{150}Hello|world", "{175}{200}Hello|world", "{300}{310}b"}, "sel=1 175-200 work=2 bt_ID"},
    Scenario{"CancelledPasteKeepsTheText", {"{1}{2}a}b}c", "{100}{200}x"}, 0, {kCopy, kPaste, kPaste},
             {"cancel", "cancel"}, {kInsertBox + "a}b}c", kInsertBox + "a}b}c"}, {"{1}{2}a}b}c", "{100}{200}x"},
             "sel=0 1-2 work=2 bt_ID btPast"},
    Scenario{"CopyWithoutSelection", kSpaced, -1, {kCopy}, {}, {"error: List index out of bounds (-1)"}, kSpaced,
             "sel=-1 - work=2 bt_ID"},
    Scenario{"DeleteByKeySelectsTheNext", kThree, 0, {Key(0x2E)}, {"yes"}, {kDeleteBox}, {kThree[1], kThree[2]},
             "sel=0 30-40 work=3 bt_ID"},
    Scenario{"DeleteTheLast", kThree, 2, {kDelete}, {"yes"}, {kDeleteBox}, {kThree[0], kThree[1]},
             "sel=1 30-40 work=3 bt_ID"},
    Scenario{"DeleteAnsweredNo", kThree, 2, {kDelete}, {"no"}, {kDeleteBox}, kThree, "sel=2 50-60 work=3 bt_ID"},
    Scenario{"DeleteOnAnEmptyList", {}, -1, {kDelete}, {}, {}, {}, "sel=-1 - work=0 bt_ID"},
    Scenario{"DeleteTheTitleLine", {"{2}{100}DivX Video", "{200}{260}A"}, 0, {kDelete}, {"yes"}, {kDeleteBox},
             {"{200}{260}A"}, "sel=0 200-260 work=1 bt_ID"},
    Scenario{"DeleteTheTitleLineWithoutWorkList", {"{2}{100}DivX Video"}, 0, {kEmptyWorkList, kDelete}, {"yes"},
             {kDeleteBox}, {}, "sel=-1 2-100 work=0 bt_ID"},
    // NOTE: only {2}{100} is taken for a title line.
    Scenario{"DeleteAnotherTitleLine", {"{2}{59}DivX Video", "{200}{260}A"}, 0, {kDelete}, {"yes"}, {kDeleteBox},
             {"{200}{260}A"}, "sel=0 200-260 work=2"},
    Scenario{"TitleFrom500", {"{500}{550}a", "{900}{950}x"}, 1, {kTitle}, {"DivX Video"}, {kTitleBox},
             {"{2}{100}DivX Video", "{500}{550}a", "{900}{950}x"}, "sel=2 900-950 work=3 convert"},
    Scenario{"TitleFrom60", {"{60}{90}a"}, 0, {kTitle}, {"Film"}, {kTitleBox}, {"{2}{59}Film", "{60}{90}a"},
             "sel=1 60-90 work=2 convert"},
    Scenario{"TitleCancelled", {"{60}{90}a"}, 0, {kTitle}, {"cancel"}, {kTitleBox}, {"{60}{90}a"},
             "sel=0 60-90 work=1 bt_ID"},
    Scenario{"NoTitleBeforeFrame3", {"{3}{90}a"}, 0, {kTitle}, {}, {}, {"{3}{90}a"}, "sel=0 3-90 work=1 bt_ID"},
    Scenario{"NoTitleBeforeFrame0", {"{0}{90}a"}, 0, {kTitle}, {}, {}, {"{0}{90}a"}, "sel=0 0-90 work=1 bt_ID"},
    Scenario{"Uppercase", {"{1}{2}eé|É"}, 0, {On(&TForm1::Uppercase1Click)}, {}, {}, {"{1}{2}Eé|É"},
             "sel=0 1-2 work=1 bt_ID"},
    Scenario{"AnsiUppercase", {"{1}{2}eé|É"}, 0, {On(&TForm1::AnsiUppercase1Click)}, {}, {},
             {"{1}{2}EÉ|É"}, "sel=0 1-2 work=1 bt_ID"},
    Scenario{"Lowercase", {"{1}{2}EÉ|é"}, 0, {On(&TForm1::Lowercase1Click)}, {}, {}, {"{1}{2}eÉ|é"},
             "sel=0 1-2 work=1 bt_ID"},
    Scenario{"AnsiLowercase", {"{1}{2}EÉ|é"}, 0, {On(&TForm1::AnsiLowercase1Click), Key('X')}, {}, {},
             {"{1}{2}eé|é"}, "sel=0 1-2 work=1 bt_ID"}),
    [](const testing::TestParamInfo<Scenario> &info) { return std::string(info.param.name); });
// clang-format on

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
        // Windows text read, changed and written back changes exactly as before.
        const TextEncoding windows = *FindEncoding("windows-1252");
        std::string text = DecodeText(all, windows).utf8;
        ChangeCase(text, upper ? LetterCase::AnsiUpper : LetterCase::AnsiLower);
        std::string written;
        EXPECT_FALSE(AppendEncoded(written, text, windows));
        EXPECT_EQ(written, expected);
    }
}

using MillionEntries = EditingFixture;

TEST_F(MillionEntries, CaseChangeInsertAndDeleteTakeWellUnderASecond) {
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
