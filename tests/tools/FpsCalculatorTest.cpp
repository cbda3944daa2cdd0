#include "tools/FpsCalculator.h"
#include "document/Legendas.h"
#include "document/MessageTable.h"
#include "document/NumText.h"
#include "tests/tools/ToolTesting.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeToSeconds, RoundsTiesToEvenAndRefusesWhatDoesNotFit) {
    const std::pair<const char *, int> cases[] = {
        {"00:01:40", 100},
        {"00:00:41,5", 42},
        {"00:00:40,5", 40},
        {"40", 0},
        {"596523:14:07", 2147483647},
        {"596523:14:08", 0},
        {"-596523:-14:-08", -2147483648},
        {"-596523:-14:-09", 0},
    };
    for (const auto &[text, seconds] : cases)
        EXPECT_EQ(TimeToSeconds(text), seconds) << text;
}

struct FpsCase {
    const char *input;
    const char *shown; // the rate, or the error text
};

class FpsCalculator : public testing::TestWithParam<FpsCase> {};

TEST_P(FpsCalculator, RateOrError) {
    const FpsCalculation result = CalculateFps(GetParam().input);
    EXPECT_EQ(result.fps ? FloatToStr(*result.fps) : result.error, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FpsCalculator,
    testing::Values(FpsCase{"1000,00:00:40", "25"}, FpsCase{"2397,00:01:40", "23,97"},
                    FpsCase{"1000,00:00:41,5", "23,8095238095238"}, FpsCase{"1000,00:00:40,5", "25"},
                    FpsCase{"1000,596523:14:07", "4,6566128752458E-7"}, FpsCase{"1000", "Erro"},
                    FpsCase{"abc,00:00:40", "Erro-> frame"}, FpsCase{"0,00:00:40", "Erro-> frame"},
                    FpsCase{"1000,40", "Erro-> hh:mm:ss"}, FpsCase{"1000,00:00:00", "Erro-> hh:mm:ss"},

                    FpsCase{"1000,00:-01:00", "Erro-> hh:mm:ss"},
                    FpsCase{"1000,600000:00:00", "Erro-> hh:mm:ss"}));

using CalculatorHandler = ToolsTest;

TEST_F(CalculatorHandler, YesFillsTheBoxNoShowsTheRate) {
    fake.dialogs.AnswerYes();
    Calculate("1000,00:00:40");
    EXPECT_EQ(form.Combobox2.Text, "25");
    fake.dialogs.AnswerNo();
    Calculate("2397,00:01:40");
    EXPECT_EQ(form.Combobox2.Text, "25");
    const std::vector<ShownBox> expected{{ShownBox::Kind::Input, "Calc. FPS|Frame, hh:mm:ss"},
                                         {ShownBox::Kind::Confirmation, MessageText(MessageRow::PutInFps, 1)},
                                         {ShownBox::Kind::Input, "Calc. FPS|Frame, hh:mm:ss"},
                                         {ShownBox::Kind::Confirmation, MessageText(MessageRow::PutInFps, 1)},
                                         {ShownBox::Kind::Message, "23,97"}};
    EXPECT_EQ(fake.dialogs.Boxes(), expected);
}

TEST_F(CalculatorHandler, CancelEmptyAndErrorsChangeNothing) {
    Calculate(std::nullopt);
    Calculate("");
    Calculate("abc,00:00:40");
    EXPECT_EQ(fake.dialogs.Messages(), std::vector<std::string>{"Erro-> frame"});
    EXPECT_EQ(fake.dialogs.Boxes().size(), 4u);
    EXPECT_EQ(form.Combobox2.Text, "25,000");
}

} // namespace
