#pragma once

#include "formats/Importers.h"

#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

constexpr std::uint8_t kEnglish = 2;

// The lines of a text split at "\n", the last one included even when empty.
inline TextList Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string_view::npos; from = end + 1)
        lines.emplace_back(text.substr(from, end - from));
    lines.emplace_back(text.substr(from));
    return TextList(std::move(lines));
}

// An importer's surroundings without a main window: the lists, a box text
// of "25,000", a rate of 25, alerts off, English texts, and first and
// second line "OK" as when the extension chose the importer.
class ImportBench : public ::testing::Test {
protected:
    void Import(Importer &importer, std::string_view text) {
        work = Lines(text);
        importer(ctx, firstLine, secondLine, formatName);
    }
    std::vector<std::string> Questions() const {
        std::vector<std::string> texts;
        for (const auto &box : dialogs.Boxes()) {
            EXPECT_EQ(box.kind, ShownBox::Kind::Warning);
            texts.push_back(box.text);
        }
        return texts;
    }

    FakeDialogs dialogs;
    TextList work;
    TextList buffer;
    TextList subtitles{"{1}{2}before"};
    std::string boxText = "25,000";
    ImportContext ctx{WorkLines(work), buffer, subtitles, 25.0, boxText, false, dialogs, kEnglish};
    std::string firstLine = "OK";
    std::string secondLine = "OK";
    std::string formatName;
};
