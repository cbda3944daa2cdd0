#include "document/NumText.h"
#include "tests/editing/EditingFixture.h"

namespace {

const Step kUp = [](TForm1 &form) {
    ++form.UpDown1.Position;
    form.Run(&TForm1::UpDown1Click);
};
const Step kEditText = On(&TForm1::ListBox1DblClick);

Step Start(std::string text) {
    return Type(&TForm1::Edit5, std::move(text), &TForm1::Edit5Exit);
}
Step End(std::string text) {
    return Type(&TForm1::Edit6, std::move(text), &TForm1::Edit6Exit);
}
Step Rate(std::string text) {
    return Type(&TForm1::Combobox2, std::move(text), &TForm1::Combobox2Exit);
}

class SubtitleEdit : public EditingFixture, public testing::WithParamInterface<Scenario> {
protected:
    // The frame fields, the rate box and the rate, the focus, and "-save"
    // once the pop-up item Guardar is off.
    std::string Shown() const {
        return form.Edit5.Text + " " + form.Edit6.Text + " " + form.Edit7.Text + " | " + form.Combobox2.Text +
               " " + FloatToStr(form.CurrentFps) +
               (form.ActiveControl ? " @" + form.ActiveControl->Name : "") +
               (form.Guardar1.Enabled ? "" : " -save");
    }
};

TEST_P(SubtitleEdit, Steps) {
    form.Guardar1.Enabled = true;
    Play(GetParam(), [this] { return Shown(); });
}

const Lines kHi{"{100}{150}Hi"};
const std::string kFrameError = "message: Error in Frame";
const std::string kRateError = "message: FPS have error";
const std::string kEditBox = "input: Change subtitles|Field to change=";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, SubtitleEdit, testing::Values(
    Scenario{"ThreeClicksUp", kHi, 0, {kUp, kUp, kUp}, {}, {}, {"{103}{150}Hi"}, "103 150 47 | 25 25"},
    Scenario{"TypedStartIsTheNewBase", kHi, 0, {kUp, kUp, kUp, Start("120"), kUp}, {}, {}, {"{124}{150}Hi"},
             "124 150 26 | 25 25"},
    // The duration waits for the next click; an end before the start is the timing check's to find.
    Scenario{"EndInNormalForm", kHi, 0, {End("007")}, {}, {}, {"{100}{7}Hi"}, "100 7 50 | 25 25"},
    Scenario{"FrameNotANumber", kHi, 0, {End("x")}, {}, {kFrameError}, kHi, "100  50 | 25 25 @Edit6"},
    Scenario{"EmptiedEndKeepsItsFrame", kHi, 0, {End("x"), Start("120")}, {}, {kFrameError}, {"{120}{150}Hi"},
             "120  50 | 25 25 @Edit6"},
    Scenario{"ArrowWritesThenFails", kHi, 0, {End("x"), kUp}, {},
             {kFrameError, "error: '' is not a valid integer value"}, {"{101}{150}Hi"}, "101  50 | 25 25 @Edit6"},
    Scenario{"FrameBeyond32Bits", {"{2147483647}{9}x"}, 0, {kUp}, {},
             {"error: '2147483648' is not a valid integer value"}, {"{2147483647}{9}x"},
             "2147483647 9 -2147483638 | 25 25"},
    Scenario{"RateScaledDown", kHi, 0, {Rate("23,976/25")}, {}, {}, kHi, "100 150 50 | 22,99394304 22,99394304"},
    Scenario{"RateScaledUp", kHi, 0, {Rate("25/23,976")}, {}, {}, kHi,
             "100 150 50 | 26,0677344010677 26,0677344010677"},
    Scenario{"RateInShortForm", kHi, 0, {Rate("25,000"), Rate("30")}, {}, {}, kHi, "100 150 50 | 30 30"},
    Scenario{"RateNotANumber", kHi, 0, {Rate("abc")}, {}, {kRateError}, kHi, "100 150 50 |  25 @Combobox2"},
    Scenario{"RateTooLarge", kHi, 0, {Rate("1E400")}, {}, {kRateError}, kHi, "100 150 50 |  25 @Combobox2"},
    Scenario{"RateOverZero", kHi, 0, {Rate("25/0")}, {}, {"error: Floating point division by zero"}, kHi,
             "100 150 50 | 25/0 25"},
    Scenario{"RatePartNotANumber", kHi, 0, {Rate("x/25")}, {}, {"error: 'x' is not a valid floating point value"},
             kHi, "100 150 50 | x/25 25"},
    Scenario{"TextEdited", {"{100}{150}Hello|world"}, 0, {kEditText}, {"Hi|all"}, {kEditBox + "Hello|world"},
             {"{100}{150}Hi|all"}, "100 150 50 | 25 25 -save"},
    Scenario{"TextAfterTheSecondBrace", {"{1}{2}{y:i}Hi"}, 0, {kEditText}, {"cancel"}, {kEditBox + "{y:i}Hi"},
             {"{1}{2}{y:i}Hi"}, "1 2 1 | 25 25"},
    Scenario{"MalformedEntryOfferedWhole", {"{1}2}Hi"}, 0, {kEditText}, {"{1}{5}Hi"}, {kEditBox + "{1}2}Hi"},
             {"{1}{5}Hi"}, "1 5 4 | 25 25 -save"},
    Scenario{"NothingSelected", kHi, -1, {kEditText, Start("5"), kUp}, {}, {}, kHi, "5   | 25 25"}),
    [](const testing::TestParamInfo<Scenario> &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
