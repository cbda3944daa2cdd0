#include "tests/editing/EditingFixture.h"

namespace {

const Step kReport = On(&TForm1::PropriedadesClick);
const Step kPortuguese = [](TForm1 &form) { form.CurrentLanguage = 1; };

Step Mouse(int x, bool left) {
    return [=](TForm1 &form) {
        form.StatusBar1.MouseX = x;
        form.StatusBar1.LeftButton = left;
        form.Run(&TForm1::StatusBar1MouseMove);
        form.Run(&TForm1::StatusBar1MouseDown);
    };
}

class Statistics : public EditingFixture, public testing::WithParamInterface<Scenario> {
protected:
    // The pointer over the status bar and the web addresses opened.
    std::string Shown() {
        std::string shown = form.StatusBar1.HandPoint ? "hand" : "arrow";
        for (const std::string &url : fake.launcher.opened)
            shown += " " + url;
        return shown;
    }
};

TEST_P(Statistics, Steps) {
    Play(GetParam(), [this] { return Shown(); });
    EXPECT_TRUE(fake.launcher.started.empty());
}

const std::string kRule = "------------------------\r\n";
const std::string kHelloWorld = "message: Sizes of the lines\r\n" + kRule +
                                "Line 1 = 5\r\nLine 2 = 5\r\nLine 3 = 0\r\nLine 4 = 0\r\nLine 5 = 0\r\n"
                                "Line 6 = 0\r\nRemaining portion = 0\r\n" +
                                kRule;
const std::string kEightLines = "message: Tamanhos das linhas\r\n" + kRule +
                                "Linha 1 = 7\r\nLinha 2 = 8\r\nLinha 3 = 1\r\nLinha 4 = 1\r\nLinha 5 = 1\r\n"
                                "Linha 6 = 1\r\nResto = 3\r\n" +
                                kRule;
// Characters as a reader sees them: an accent written apart adds none, a Chinese one counts two.
const std::string kUtf8Sizes = "message: Sizes of the lines\r\n" + kRule +
                               "Line 1 = 6\r\nLine 2 = 4\r\nLine 3 = 2\r\nLine 4 = 0\r\nLine 5 = 0\r\n"
                               "Line 6 = 0\r\nRemaining portion = 0\r\n" +
                               kRule;
const std::string kAddresses = "message: Official website:\r\n   http://lumavert.example.org\r\n"
                               "   http://www.lumavert.example.org\r\n   http://lumavert.example.net\r\n"
                               "   http://lumavert.example.com\r\n";
const Lines kHello{"{10}{20}Hello|world"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Statistics, testing::Values(
    Scenario{"ReportByButtonAndKeys", kHello, 0, {kReport, Key('T'), Key('P')}, {},
             {kHelloWorld, kHelloWorld, kHelloWorld}, kHello, "arrow"},
    Scenario{"ReportInPortuguese", {"{10}{20}{y:i}Hi|abc def |3|4|5|6|7|8"}, 0, {kPortuguese, kReport}, {},
             {kEightLines}, {"{10}{20}{y:i}Hi|abc def |3|4|5|6|7|8"}, "arrow"},
    Scenario{"ReportInCharacters", {"{10}{20}Привет|你好|e\u0301!"}, 0, {kReport}, {}, {kUtf8Sizes},
             {"{10}{20}Привет|你好|e\u0301!"}, "arrow"},
    Scenario{"ReportWithoutSelection", kHello, -1, {kReport}, {}, {"error: List index out of bounds (-1)"}, kHello,
             "arrow"},
    Scenario{"StatusBarLeftEdge", {}, -1, {Mouse(280, true)}, {}, {}, {}, "arrow"},
    Scenario{"StatusBarFirstPixel", {}, -1, {Mouse(281, true)}, {}, {kAddresses}, {},
             "hand http://lumavert.example.org"},
    Scenario{"StatusBarLastPixel", {}, -1, {Mouse(439, true)}, {}, {kAddresses}, {},
             "hand http://lumavert.example.org"},
    Scenario{"StatusBarRightEdge", {}, -1, {Mouse(440, true)}, {}, {}, {}, "arrow"},
    Scenario{"StatusBarRightButton", {}, -1, {Mouse(300, false)}, {}, {}, {}, "hand"}),
    [](const testing::TestParamInfo<Scenario> &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
