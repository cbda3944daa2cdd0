#include "document/NumText.h"
#include "document/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <utility>

namespace {

struct IntCase {
    const char *text;
    std::optional<int> value;
};

class WholeNumbers : public testing::TestWithParam<IntCase> {};

TEST_P(WholeNumbers, ConvertOrRefuse) {
    const IntCase &c = GetParam();
    EXPECT_EQ(TryStrToInt(c.text), c.value);
    if (c.value)
        EXPECT_EQ(StrToInt(c.text), *c.value);
    else
        EXPECT_THROW(StrToInt(c.text), ConvertError);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumbers,
    testing::Values(IntCase{"0", 0}, IntCase{"1562", 1562}, IntCase{"  42", 42}, IntCase{"+7", 7},
                    IntCase{"-15", -15}, IntCase{"007", 7}, IntCase{"999999999", 999999999},
                    IntCase{"0000000001", 1}, IntCase{"2147483647", 2147483647},
                    IntCase{"-2147483648", -2147483647 - 1}, IntCase{"2147483648", std::nullopt},
                    IntCase{"-2147483649", std::nullopt}, IntCase{"99999999999999999999", std::nullopt},
                    IntCase{"0000000000123", 123}, IntCase{"12a", std::nullopt}, IntCase{"", std::nullopt},
                    IntCase{" ", std::nullopt}, IntCase{"-", std::nullopt}, IntCase{"+-1", std::nullopt},
                    IntCase{"42 ", std::nullopt}, IntCase{"4 2", std::nullopt}, IntCase{"1,5", std::nullopt},
                    IntCase{"0x10", std::nullopt}, IntCase{"\t1", std::nullopt},
                    IntCase{"abc", std::nullopt}));

TEST(WholeNumbers, ErrorNamesTheText) {
    try {
        StrToInt("abc");
        FAIL();
    } catch (const ConvertError &e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

struct FloatCase {
    const char *text;
    std::optional<Extended> value;
};

class DecimalNumbers : public testing::TestWithParam<FloatCase> {};

TEST_P(DecimalNumbers, ConvertOrRefuse) {
    const FloatCase &c = GetParam();
    const std::optional<Extended> value = TryStrToFloat(c.text);
    ASSERT_EQ(value.has_value(), c.value.has_value());
    if (c.value) {
        EXPECT_EQ(*value, *c.value);
        EXPECT_EQ(StrToFloat(c.text), *c.value);
    } else {
        EXPECT_THROW(StrToFloat(c.text), ConvertError);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalNumbers,
                         testing::Values(FloatCase{"25", 25}, FloatCase{"23,976", 23.976L},
                                         FloatCase{" -1,5 ", -1.5L}, FloatCase{"+2,5", 2.5L},
                                         FloatCase{",5", 0.5L}, FloatCase{"5,", 5}, FloatCase{"1E3", 1000},
                                         FloatCase{"1,5e-2", 0.015L}, FloatCase{"2E+2", 200},
                                         FloatCase{"1E-6000", 0}, FloatCase{"0,000E99999999999", 0},
                                         FloatCase{"2,136E-4934", 2.136e-4934L},
                                         FloatCase{"-1E-4940", -1e-4940L}, FloatCase{"1E6000", std::nullopt},
                                         FloatCase{"1.5", std::nullopt}, FloatCase{"1,5,0", std::nullopt},
                                         FloatCase{",", std::nullopt}, FloatCase{"", std::nullopt},
                                         FloatCase{"1E", std::nullopt}, FloatCase{"1E+", std::nullopt},
                                         FloatCase{"inf", std::nullopt}, FloatCase{"nan", std::nullopt},
                                         FloatCase{"1 E3", std::nullopt}, FloatCase{"0x1p3", std::nullopt},
                                         FloatCase{"1,5x", std::nullopt}));

TEST(DecimalNumbers, ErrorNamesTheText) {
    try {
        StrToFloat("1.5");
        FAIL();
    } catch (const ConvertError &e) {
        EXPECT_STREQ(e.what(), "'1.5' is not a valid floating point value");
    }
}

struct GeneralCase {
    Extended value;
    int precision;
    int exponentDigits;
    const char *text;
};

class GeneralForm : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralForm, Writes) {
    const GeneralCase &c = GetParam();
    EXPECT_EQ(FloatToStrGeneral(c.value, c.precision, c.exponentDigits), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralForm,
    testing::Values(GeneralCase{25, 15, 0, "25"}, GeneralCase{0, 15, 0, "0"}, GeneralCase{-0.0L, 15, 0, "0"},
                    GeneralCase{1562, 15, 0, "1562"}, GeneralCase{-40, 15, 0, "-40"},
                    GeneralCase{23.976L, 15, 0, "23,976"}, GeneralCase{23.976, 15, 0, "23,976"},
                    GeneralCase{1.0L / 3, 15, 0, "0,333333333333333"},
                    GeneralCase{2.0L / 3, 15, 0, "0,666666666666667"},
                    GeneralCase{0.00001L, 15, 0, "0,00001"}, GeneralCase{0.000001L, 15, 0, "1E-6"},
                    GeneralCase{1.5e20L, 15, 0, "1,5E+20"}, GeneralCase{1e15L, 15, 0, "1E+15"},
                    GeneralCase{999999999999999, 15, 0, "999999999999999"}, GeneralCase{44.1L, 5, 3, "44,1"},
                    GeneralCase{48, 5, 3, "48"}, GeneralCase{99999, 5, 3, "99999"},
                    GeneralCase{100000, 5, 3, "1E+005"}, GeneralCase{123456, 5, 3, "1,2346E+005"},
                    GeneralCase{99999.5L, 5, 3, "1E+005"}, GeneralCase{0.000001234L, 5, 3, "1,234E-006"},
                    GeneralCase{12.3456L, 4, 0, "12,35"}, GeneralCase{0.1L, 21, 0, "0,1"},
                    GeneralCase{NAN, 15, 0, "NAN"}, GeneralCase{-INFINITY, 15, 0, "-INF"}));

// The rates of the frame-rate box must read back as they were written.
TEST(GeneralForm, RoundTripsRates) {
    for (const char *text : {"22,99394304", "26,0677344010677", "25", "23,976", "29,97", "0,04"})
        EXPECT_EQ(FloatToStr(StrToFloat(text)), text);
    const double ratio = 23.976 / 25;
    EXPECT_EQ(FloatToStr(StrToFloat("23,976") * ratio), "22,99394304");
    const double inverse = 25 / 23.976;
    EXPECT_EQ(FloatToStr(StrToFloat("25") * inverse), "26,0677344010677");
}

struct FixedCase {
    Extended value;
    int decimals;
    const char *text;
};

class FixedForm : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedForm, Writes) {
    const FixedCase &c = GetParam();
    EXPECT_EQ(FloatToStrFixed(c.value, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedForm,
                         testing::Values(FixedCase{2.5L, 3, "2,500"}, FixedCase{62.48L, 3, "62,480"},
                                         FixedCase{0, 3, "0,000"}, FixedCase{12.345L, 3, "12,345"},
                                         FixedCase{-1.5L, 3, "-1,500"}, FixedCase{-0.0001L, 3, "0,000"},
                                         FixedCase{59.9996L, 3, "60,000"}, FixedCase{2.0625L, 3, "2,063"},
                                         FixedCase{-2.0625L, 3, "-2,063"}, FixedCase{2.5L, 0, "3"},
                                         FixedCase{3.5L, 0, "4"}, FixedCase{0.4L, 0, "0"},
                                         FixedCase{1e20L, 2, "100000000000000000000,00"},
                                         FixedCase{0.125L, 2, "0,13"}, FixedCase{1e-30L, 3, "0,000"},
                                         FixedCase{123456789, 0, "123456789"}));

// The exact path and the library agree on every value that is not an exact tie.
TEST(FixedForm, AgreesWithTheExactValue) {
    std::mt19937_64 random(1562);
    std::uniform_real_distribution<double> magnitude(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const Extended value = std::pow(10.0L, static_cast<Extended>(magnitude(random))) *
                               (random() % 2 ? 1 : -1) * (1 + static_cast<Extended>(random() % 1000) / 7);
        const int decimals = static_cast<int>(random() % 7);
        char buffer[128];
        auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
        std::string expected(buffer, end);
        for (char &c : expected)
            if (c == '.')
                c = ',';
        if (expected.find_first_not_of("-0,") == std::string::npos)
            expected.erase(0, expected[0] == '-' ? 1 : 0);
        ASSERT_EQ(FloatToStrFixed(value, decimals), expected) << static_cast<double>(value);
    }
}

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(37.5L), 38);
    EXPECT_EQ(RoundHalfEven(62.5L), 62);
    EXPECT_EQ(RoundHalfEven(1562.5L), 1562);
    EXPECT_EQ(RoundHalfEven(1563.5L), 1564);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(2.5000001L), 3);
    // The hand-made rounding agrees with the library's to the last bit,
    // signed zeros included.
    for (const Extended value :
         {-0.3L, -0.5L, 0.5L, 1.5L, -3.5L, 0.49999999999999999999L, 59.9999L, 3600.0L, -7199.99L,
          0x1p62L - 0.5L, 0x1p62L + 0.5L, -0x1p63L + 0.5L, 0x1p63L, 1e300L, 1e-4940L, -0.0L}) {
        const auto same = [](Extended a, Extended b) { return a == b && std::signbit(a) == std::signbit(b); };
        EXPECT_TRUE(same(RoundHalfEven(value), std::nearbyint(value))) << static_cast<double>(value);
    }
    EXPECT_EQ(Trunc(-2.7L), -2);
    EXPECT_EQ(Trunc(2.7L), 2);
}

TEST(Rounding, ToInt32RefusesWhatDoesNotFit) {
    EXPECT_EQ(ToInt32(2147483647.0L), 2147483647);
    EXPECT_EQ(ToInt32(-2147483648.0L), -2147483647 - 1);
    EXPECT_THROW(ToInt32(2147483648.0L), ConvertError);
    EXPECT_THROW(ToInt32(1.5L), ConvertError);
    EXPECT_THROW(ToInt32(NAN), ConvertError);
    // Values a double would round onto a whole number are still no whole number.
    const std::pair<Extended, std::optional<int>> cases[] = {
        {-0.0L, 0},
        {1.0L + 0x1p-63L, std::nullopt},
        {1.0L - 0x1p-64L, std::nullopt},
        {2147483646.0L + 0.5L, std::nullopt},
        {-2147483648.0L - 0.5L, std::nullopt},
        {-2147483648.0L + 0x1p-32L, std::nullopt},
        {-INFINITY, std::nullopt},
        {1e-4940L, std::nullopt},
    };
    for (const auto &[value, whole] : cases)
        EXPECT_EQ(TryToInt32(value), whole) << static_cast<double>(value);
}

TEST(WholeNumbers, IntToStrWritesPlainDigits) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-1562), "-1562");
    EXPECT_EQ(IntToStr(4294967295LL), "4294967295");
}

} // namespace

// Short decimals take a fast path; it must give the very value a full
// decimal conversion gives, up to the longest texts it takes.
TEST(NumTextFastPath, AgreesWithFullConversion) {
    for (const char *text :
         {"2,5", "0,1", "23,976", "1,5", "59,9995", "0,000000000000000001", "123456789012345678",
          "12345678901234567,8", "1234567890123456789", "0,1234567890123456789", "99999999999999999,9"}) {
        std::string dotted = text;
        std::replace(dotted.begin(), dotted.end(), ',', '.');
        EXPECT_EQ(StrToFloat(text), std::strtold(dotted.c_str(), nullptr)) << text;
    }
}
