#pragma once

#include "tests/formats/ImportBench.h"

#include "shell/MessageTable.h"

#include <string>
#include <vector>

// A file an importer accepts, and what the import leaves: the ImportBuffer
// (also the SubtitleList and the WorkList), the frame-rate box text and the
// format name. Every row runs with alerts on.
struct AcceptedImport {
    const char *name;
    Importer *importer;
    const char *lines;
    const char *box;
    std::vector<std::string> buffer;
    const char *boxAfter;
    const char *format;
};

class AcceptedImports : public ImportBench, public ::testing::WithParamInterface<AcceptedImport> {
protected:
    // Runs the row and checks the hand-over; the one box shown is the
    // reminder to use the same rate.
    void ImportAndCheck() {
        const AcceptedImport &row = GetParam();
        ctx.AlertsOn = true;
        boxText = row.box;
        Import(*row.importer, row.lines);
        EXPECT_EQ(buffer.ToVector(), row.buffer);
        EXPECT_EQ(subtitles, buffer);
        EXPECT_EQ(work, buffer);
        EXPECT_EQ(boxText, row.boxAfter);
        EXPECT_EQ(formatName, row.format);
        EXPECT_EQ(firstLine + secondLine, "");
        EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{MessageText(48, kEnglish)});
    }
};

inline std::string AcceptedImportName(const ::testing::TestParamInfo<AcceptedImport> &info) {
    return info.param.name;
}
