#pragma once

#include "tests/formats/ImportBench.h"

#include "shell/MessageTable.h"

#include <string>
#include <vector>

// A file an importer accepts, and what the import leaves: the ImportBuffer
// (also the SubtitleList and the WorkList) and the format name. Every row
// runs with alerts on, "30.000" in the frame-rate box and a CurrentFps of
// 25, so a row shows which of the two rates its format reads.
struct AcceptedImport {
    const char *name;
    Importer *importer;
    std::string lines;
    std::vector<std::string> buffer;
    const char *format;
};

class AcceptedImports : public ImportBench, public ::testing::WithParamInterface<AcceptedImport> {
protected:
    // Runs the row and checks the hand-over; the one box shown is the
    // reminder to use the same rate.
    void ImportAndCheck() {
        const AcceptedImport &row = GetParam();
        ctx.AlertsOn = true;
        boxText = "30.000";
        Import(*row.importer, row.lines);
        EXPECT_EQ(buffer.ToVector(), row.buffer);
        EXPECT_EQ(subtitles, buffer);
        EXPECT_EQ(work, buffer);
        EXPECT_EQ(formatName, row.format);
        EXPECT_EQ(firstLine + secondLine, "");
        EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{MessageText(MessageRow::SameFps, kEnglish)});
    }
};

inline std::string AcceptedImportName(const ::testing::TestParamInfo<AcceptedImport> &info) {
    return info.param.name;
}
