#include "document/Legendas.h"
#include "document/Errors.h"

#include <gtest/gtest.h>

namespace {

struct TimeCase {
    const char *frames;
    Extended delay;
    Extended fps;
    const char *time;
};

class FramesToTimeTable : public testing::TestWithParam<TimeCase> {};

TEST_P(FramesToTimeTable, Writes) {
    const TimeCase &c = GetParam();
    EXPECT_EQ(FramesToTime(c.frames, c.delay, c.fps), c.time);
}

INSTANTIATE_TEST_SUITE_P(
    Times, FramesToTimeTable,
    testing::Values(
        TimeCase{"1562", 0, 25, "00:01:02,480"}, TimeCase{"0", 0, 25, "00:00:00,000"},
        TimeCase{"90000", 0, 25, "01:00:00,000"}, TimeCase{"50", 2, 25, "00:00:00,000"},
        TimeCase{"25", 0, 25, "00:00:01,000"}, TimeCase{"250", 0, 25, "00:00:10,000"},
        TimeCase{"15000", 0, 25, "00:10:00,000"}, TimeCase{"1562", 1.5L, 25, "00:01:00,980"},
        TimeCase{"1562", -2, 25, "00:01:04,480"}, TimeCase{"1562", 0.25L, 25, "00:01:02,230"},
        TimeCase{"1000", 0, 23.976L, "00:00:41,708"}, TimeCase{"86314", 0, 23.976L, "01:00:00,017"},
        TimeCase{"89910", 0, 23.976L, "01:02:30,000"}, TimeCase{"900000", 0, 25, "10:00:00,000"},
        TimeCase{"9000000", 0, 25, "100:00:00,000"}, TimeCase{"2147483647", 0, 25, "23860:55:45,880"},
        // Seconds that round up to a whole minute or hour carry.
        TimeCase{"1499999", 0, 25000, "00:01:00,000"}, TimeCase{"89999999", 0, 25000, "01:00:00,000"},
        TimeCase{"249999", 0, 25000, "00:00:10,000"},
        // Half a thousandth rounds up; from 2^32 s on the split goes another way to the same clock.
        TimeCase{"1", 0, 16, "00:00:00,063"}, TimeCase{"33", 0, 16, "00:00:02,063"},
        TimeCase{"1073741823", 0, 0.25L, "1193046:28:12,000"},
        TimeCase{"1073741824", 0, 0.25L, "1193046:28:16,000"},
        // A time before the start of the film stays at the start.
        TimeCase{"50", 3.5L, 25, "00:00:00,000"}, TimeCase{"-10", 0, 25, "00:00:00,000"}));

TEST(FramesToTimeErrors, RefusesBadFramesAndZeroRate) {
    EXPECT_THROW(FramesToTime("1,5", 0, 25), ConvertError);
    EXPECT_THROW(FramesToTime("", 0, 25), ConvertError);
    EXPECT_THROW(FramesToTime("25", 0, 0), DivisionError);
}

// A rate so small that the clock fields cannot be split exactly still gives
// a well-formed time, not a negative or oversized field.
TEST(FramesToTimeEdges, AbsurdRateKeepsTheFieldsInRange) {
    const std::string time = FramesToTime("100", 0, 1e-4000L);
    EXPECT_EQ(time.find('-'), std::string::npos);
    EXPECT_TRUE(time.ends_with(":00:00,000")) << time.substr(time.size() - 20);
}

struct ClockCase {
    const char *text;
    bool valid;
    int framesAt25;
};

class ClockTexts : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockTexts, ValidityAndFrames) {
    const ClockCase &c = GetParam();
    EXPECT_EQ(IsValidTime(c.text), c.valid);
    EXPECT_EQ(TimeToFrames(c.text, 25), c.framesAt25);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClockTexts,
    testing::Values(ClockCase{"00:01:02,500", true, 1562}, ClockCase{"0:1:2.5", true, 1562},
                    ClockCase{"00:01:02:5", true, 1562}, ClockCase{"00:01:02", true, 1550},
                    ClockCase{"00:00:01,500", true, 38}, ClockCase{"00:00:02,500", true, 62},
                    ClockCase{"00:00:01,000", true, 25}, ClockCase{"01:00:00,000", true, 90000},
                    ClockCase{" 0: 0:1,5 ", true, 38}, ClockCase{"-0:00:01", true, 25},
                    ClockCase{"00:00:02:5.5", false, 0}, ClockCase{"00:00:1.5.5", false, 0},
                    ClockCase{"01:02", false, 0}, ClockCase{"00:01:xx", false, 0}, ClockCase{"", false, 0},
                    ClockCase{"::", false, 0}, ClockCase{"0,5:00:00", false, 0},
                    ClockCase{"00:00:-", false, 0},
                    // Close to the common shape, read the same as the full route reads them.
                    ClockCase{"00:00:02.35", true, 59}, ClockCase{"1:2:3", true, 93075},
                    ClockCase{"00:00:02.", true, 50}, ClockCase{"00:00:.5", true, 12},
                    ClockCase{"00:00:", false, 0}, ClockCase{"00:00:.", false, 0},
                    ClockCase{"00:00:01.5:5", false, 0}, ClockCase{"00:00:01,5,5", false, 0},
                    ClockCase{"+0:00:01", true, 25}, ClockCase{"00: 00:01", true, 25},
                    ClockCase{"0000000001:00:00", true, 90000},
                    ClockCase{"00:00:000000000000000000001", true, 25}, ClockCase{"00:00:01 ", true, 25},
                    ClockCase{"00:00:01x", false, 0}, ClockCase{"00:00:0,00000000000000000004", true, 0},
                    ClockCase{"999999999:00:00", true, 0}, ClockCase{"00:999999999:00", true, 0},
                    // Beyond a 32-bit frame number: no usable time.
                    ClockCase{"2147483647:00:00", true, 0}, ClockCase{"00:00:1E300", true, 0}));

TEST(ClockTexts, UsesTheRateGiven) {
    EXPECT_EQ(TimeToFrames("00:00:41,708", 23.976L), 1000);
    EXPECT_EQ(TimeToFrames("01:00:00,000", 23.976L), 86314);
    EXPECT_EQ(TimeToFrames("00:00:01,000", 29.97L), 30);
}

struct SecondsCase {
    const char *seconds;
    long double fps;
    int frames;
};

class SecondsTexts : public testing::TestWithParam<SecondsCase> {};

TEST_P(SecondsTexts, BecomeFramesAtTheRate) {
    EXPECT_EQ(SecondsToFrames(GetParam().seconds, GetParam().fps), GetParam().frames);
}

// 100 seconds go through "0:2:-20" and 3000 through "1:-10:0".
INSTANTIATE_TEST_SUITE_P(Texts, SecondsTexts,
                         testing::Values(SecondsCase{"1.5", 25, 38}, SecondsCase{"2,5", 25, 62},
                                         SecondsCase{" 100 ", 25, 2500}, SecondsCase{"3000", 25, 75000},
                                         SecondsCase{"5399.96", 25, 134999},
                                         SecondsCase{"41.708", 23.976L, 1000}, SecondsCase{"-5", 25, -125},
                                         SecondsCase{"0.0000002", 10'000'000, 2}));

} // namespace
