#include "tools/SubtitleTimeline.h"
#include "tests/tools/ToolTesting.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// One out of order, one inside another, one that is no FrameLine: at 25 fps
// the spans are 10-12 s, 0-2 s, 4-8 s, 4,8-5,6 s.
const TextList kEntries(std::vector<std::string>{"{250}{300}Late", "{0}{50}A", "{100}{200}B|b", "{120}{140}C",
                                                 "{x}{1}bad"});

TEST(SubtitleTimeline, SubtitleOnScreen) {
    SubtitleTimeline timeline;
    timeline.Time(kEntries, 25, 0);
    const struct {
        double seconds;
        std::optional<std::size_t> shown;
    } cases[] = {
        {-1, std::nullopt},
        {0, 1},
        {1.99, 1},
        {2, std::nullopt},
        {4, 2},
        {5, 3},
        // The inner one has gone; the outer one is still on screen.
        {6, 2},
        {8, std::nullopt},
        {11, 0},
        {12, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(timeline.At(c.seconds), c.shown) << c.seconds;
}

TEST(SubtitleTimeline, StartsOfEntriesAndJumps) {
    SubtitleTimeline timeline;
    timeline.Time(kEntries, 25, 0);
    EXPECT_EQ(timeline.StartOf(0), 10.0);
    EXPECT_EQ(timeline.StartOf(4), std::nullopt);
    EXPECT_EQ(timeline.StartOf(5), std::nullopt);

    using Jump = std::optional<double> (SubtitleTimeline::*)(double) const;
    const struct {
        Jump jump;
        double from;
        std::optional<double> to;
    } cases[] = {
        {&SubtitleTimeline::NextStart, -5, 0},
        {&SubtitleTimeline::NextStart, 0, 4},
        // A seek lands a hair before the start it asked for.
        {&SubtitleTimeline::NextStart, 3.999, 4.8},
        {&SubtitleTimeline::NextStart, 10, std::nullopt},
        {&SubtitleTimeline::PreviousStart, 10.2, 4.8},
        {&SubtitleTimeline::PreviousStart, 11, 10},
        {&SubtitleTimeline::PreviousStart, 0.3, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ((timeline.*c.jump)(c.from), c.to) << c.from;
}

TEST(SubtitleTimeline, RateAndDelayAsTheConversionTimesThem) {
    const TextList one(std::vector<std::string>{"{100}{150}x"});
    const struct {
        Extended fps;
        Extended delay;
        std::optional<double> start;
    } cases[] = {{25, 0, 4}, {25, 1.5, 2.5},       {25, -2, 6},
                 {50, 0, 2}, {0, 0, std::nullopt}, {-25, 0, std::nullopt}};
    for (const auto &c : cases) {
        SubtitleTimeline timeline;
        timeline.Time(one, c.fps, c.delay);
        EXPECT_EQ(timeline.StartOf(0), c.start)
            << static_cast<double>(c.fps) << " " << static_cast<double>(c.delay);
    }
}

// The preview window times the main window's list by its boxes and follows
// every change of them; the list's selection and the jump buttons move the film.
TEST(PreviewSubtitles, FollowTheMainWindow) {
    FakePlatform fake;
    TForm1 form(fake.platform);
    TForm2 &preview = form.Form2;
    form.SubtitleList().Assign(kEntries);
    form.Combobox2.Text = "25";
    form.AtrasoEdit.Text = "0";
    EXPECT_EQ(preview.SubtitleAt(4.5), "B\nb");

    form.AtrasoEdit.Text = "-1";
    EXPECT_EQ(preview.SubtitleAt(4.5), "");
    form.Combobox2.Text = "50";
    EXPECT_EQ(preview.SubtitleAt(3), "B\nb");
    form.AtrasoEdit.Text = "late";
    EXPECT_EQ(preview.SubtitleAt(3), "");
    form.AtrasoEdit.Text = "0";
    form.SubtitleList().Assign(TextList(std::vector<std::string>{"{100}{200}edited"}));
    EXPECT_EQ(preview.SubtitleAt(3), "edited");

    form.Combobox2.Text = "25";
    form.SubtitleList().Assign(kEntries);
    form.ListBox1.ItemIndex = 3;
    preview.ListSelectionChanged();
    preview.ListSelectionChanged();
    preview.Run(&TForm2::btNextClick);
    preview.Run(&TForm2::btPreviousClick);
    preview.Run(&TForm2::btPreviousClick);
    preview.Run(&TForm2::btPreviousClick);
    EXPECT_EQ(fake.player.seeks, (std::vector<double>{4.8, 10, 4.8, 4, 0}));
}

} // namespace
