#pragma once

#include "tests/formats/ImportBench.h"

#include "document/Errors.h"
#include "document/MessageTable.h"
#include "document/OwnMessages.h"

#include <string>
#include <vector>

// One row of an importer table: the file's lines and the box text going
// in; the ImportBuffer, box text, format name and alerts coming out, or the
// text that fails to convert and ends the import with nothing handed over.
struct ImportCase {
    const char *name;
    Importer *importer;
    std::string lines;
    std::string box;
    std::vector<std::string> buffer;
    std::string boxAfter;
    std::string format;
    // Alerts are switched on in every row; most formats show the one reminder to use the same rate.
    std::vector<int> alertRows = {48};
    std::string failing = {};
    // Subtitles left out because they do not read, told in one message after the alerts.
    std::size_t leftOut = 0;
};

class ImportTable : public ImportBench, public ::testing::WithParamInterface<ImportCase> {
protected:
    void Check() {
        const ImportCase &c = GetParam();
        ctx.AlertsOn = true;
        boxText = c.box;
        if (c.failing.empty()) {
            Import(*c.importer, c.lines);
            EXPECT_EQ(buffer.ToVector(), c.buffer);
            EXPECT_EQ(subtitles, buffer);
            EXPECT_EQ(work, buffer);
            EXPECT_EQ(formatName, c.format);
            EXPECT_EQ(firstLine + secondLine, "");
        } else {
            try {
                Import(*c.importer, c.lines);
                ADD_FAILURE() << "the import went through";
            } catch (const ConvertError &error) {
                EXPECT_NE(std::string(error.what()).find("'" + c.failing + "'"), std::string::npos)
                    << error.what();
            }
            EXPECT_EQ(subtitles, TextList{"{1}{2}before"});
            EXPECT_EQ(formatName, "");
            EXPECT_EQ(firstLine, "OK");
        }
        EXPECT_EQ(boxText, c.boxAfter);
        std::vector<std::string> alerts;
        for (int row : c.alertRows)
            alerts.push_back(MessageText(static_cast<MessageRow>(row), kEnglish));
        if (c.leftOut > 0)
            alerts.push_back(LeftOutText(c.leftOut, kEnglish));
        EXPECT_EQ(dialogs.Messages(), alerts);
    }
};

inline std::string ImportCaseName(const ::testing::TestParamInfo<ImportCase> &info) {
    return info.param.name;
}

inline void PrintTo(const ImportCase &c, std::ostream *os) {
    *os << c.name;
}
