#pragma once

#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The main window on the fake desktop, and the user events of its tools.
class ToolsTest : public testing::Test {
protected:
    FakePlatform fake;
    TForm1 form{fake.platform};

    ~ToolsTest() override {
        for (const std::string &file : files_)
            std::remove(file.c_str());
    }

    // A file of the given bytes in the temporary folder, removed after the test.
    std::string WriteToolFile(const std::string &name, std::string_view bytes) {
        const std::string path = testing::TempDir() + "lumavert-tools-" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        files_.push_back(path);
        return path;
    }

    // The "AVI Info" button, choosing the file (nullopt cancels the dialog).
    void ClickAviInfo(std::optional<std::string> file) {
        fake.dialogs.ChooseFile(std::move(file));
        form.Run(&TForm1::btAVIInfoClick);
    }
    // The calculator, typing the input (nullopt cancels the input box).
    void Calculate(std::optional<std::string> input) {
        fake.dialogs.AnswerInput(std::move(input));
        form.Run(&TForm1::CalcularFPS1Click);
    }
    // The preview window's Play, choosing the file.
    void Play(std::optional<std::string> file) {
        fake.dialogs.ChooseFile(std::move(file));
        form.Form2.Run(&TForm2::btPlayClick);
    }

private:
    std::vector<std::string> files_;
};
