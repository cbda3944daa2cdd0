#pragma once

#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

// A window in English with a list of subtitles, one of them selected and shown.
class EditingFixture : public testing::Test {
protected:
    void SetUp() override {
        form.CurrentLanguage = 2;
        form.Combobox2.Text = "25";
    }

    void Select(TextList entries, int index) {
        form.ListBox1.Items = std::move(entries);
        form.ListBox1.ItemIndex = index;
        if (index >= 0)
            form.ListBox1Click();
    }

    FakePlatform fake;
    TForm1 form{fake.platform};
};
