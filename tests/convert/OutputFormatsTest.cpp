#include "formats/OutputFormats.h"
#include "document/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const TextList kEntries{"{25}{50}A", "{1562}{1600}B|C"};

struct FormatCase {
    const OutputFormat &format;
    const char *filter;
    Lines written;
};

// Each row of the table writes its own lines and names its own dialog filter.
TEST(OutputFormats, EachRowWritesItsLinesAndNamesItsFilter) {
    const FormatCase cases[] = {
        {MicroDvdOutput(), "MicroDVD (*.sub)|*.sub", {"{25}{50}A", "{1562}{1600}B|C"}},
        {SubRipOutput(),
         "SubRip (*.srt)|*.srt",
         {"1", "00:00:00,000 --> 00:00:01,000", "A", "", "2", "00:01:01,480 --> 00:01:03,000", "B", "C", ""}},
    };
    for (const FormatCase &c : cases) {
        SCOPED_TRACE(std::string(c.format.name));
        EXPECT_EQ(SaveDialogFilter(c.format), c.filter);
        EXPECT_EQ(WrittenLines(c.format, kEntries, WriteOptions{25, 1}).ToVector(), c.written);
    }
}

// An entry that does not convert ends the conversion with the blocks before
// it kept, and the progress heard stops with the last entry converted.
TEST(OutputFormats, ConversionStopsAtAnEntryThatDoesNotConvert) {
    TextList memo;
    std::vector<int> positions;
    const TextList entries{"{25}{50}A", "{25}{50}B", "{x}{50}C", "{25}{50}D"};
    ListLineOut out(memo);
    EXPECT_THROW(WriteFormat(SubRipOutput(), entries, WriteOptions{25, 0}, out,
                             [&](int p) { positions.push_back(p); }),
                 ConvertError);
    EXPECT_EQ(memo.Count(), 8u);
    EXPECT_EQ(positions, (std::vector<int>{0, 33}));
}

} // namespace
