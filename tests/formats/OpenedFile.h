#pragma once

#include "document/MessageTable.h"
#include "shell/Unit1.h"
#include "tests/formats/ImportBench.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// One file opened through the opener, which chooses the importer by the
// file's extension and its first lines: the frame-rate box before ("" keeps
// the window's own) and after, the format caption and the entries. With
// alerts on, the MessageTable rows of the boxes shown are checked too.
struct OpenedFile {
    std::string fileName;
    std::string bytes;
    std::string box;
    std::string caption;
    std::string boxAfter;
    std::vector<std::string> entries;
    bool alertsOn = false;
    std::vector<int> alertRows = {};
};

inline void PrintTo(const OpenedFile &file, std::ostream *os) {
    *os << file.fileName;
}

// The file name with every character but letters and digits made "_".
inline std::string OpenedFileName(const ::testing::TestParamInfo<OpenedFile> &info) {
    std::string name;
    for (const char c : info.param.fileName)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

class OpeningFiles : public ::testing::TestWithParam<OpenedFile> {
protected:
    void OpenAndCheck() {
        const OpenedFile &row = GetParam();
        const auto path = std::filesystem::temp_directory_path() / ("lumavert-opened-" + row.fileName);
        std::ofstream(path, std::ios::binary) << row.bytes;
        FakePlatform fake;
        TForm1 form(fake.platform);
        form.CurrentLanguage = kEnglish;
        form.ActivarosAlertas1.Checked = row.alertsOn;
        if (!row.box.empty())
            form.Combobox2.Text = row.box;
        fake.dialogs.ChooseFile(path.string());
        form.Run(&TForm1::btAbrirClick);
        std::filesystem::remove(path);
        EXPECT_EQ(form.Formato.Caption, row.caption);
        EXPECT_EQ(form.Combobox2.Text, row.boxAfter);
        EXPECT_EQ(form.SubtitleList().ToVector(), row.entries);
        if (row.alertsOn) {
            std::vector<std::string> alerts;
            for (int alertRow : row.alertRows)
                alerts.push_back(MessageText(static_cast<MessageRow>(alertRow), kEnglish));
            EXPECT_EQ(fake.dialogs.Messages(), alerts);
        }
    }
};
