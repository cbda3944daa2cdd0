#pragma once

#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;
// One thing the user does to the window.
using Step = std::function<void(TForm1 &)>;

inline Step On(Handler handler) {
    return [handler](TForm1 &form) { form.Run(handler); };
}
inline Step Key(int key) {
    return [key](TForm1 &form) { form.Run(&TForm1::ListBox1KeyDown, key); };
}
template <class Control> Step Type(Control TForm1::*field, std::string text, Handler exit) {
    return [=](TForm1 &form) {
        (form.*field).Text = text;
        form.Run(exit);
    };
}

// One row of a handler table: a list with one entry selected and shown, the
// steps, the user's answers ("yes", "no", "cancel" or the text typed into an
// input box); then every box shown ("kind: text", an input box with its
// proposal after a "="), the list, and what the window shows in the terms of
// the table's own Shown().
struct Scenario {
    const char *name;
    Lines list;
    int selected;
    std::vector<Step> steps;
    Lines answers;
    Lines boxes;
    Lines after;
    std::string shown;
};

inline void PrintTo(const Scenario &s, std::ostream *out) {
    *out << s.name;
}

// A window in English at 25 frames a second.
class EditingFixture : public testing::Test {
protected:
    void SetUp() override {
        form.CurrentLanguage = 2;
        form.Combobox2.Text = "25";
    }

    // The list as opened, one entry selected and shown. A list that starts
    // with a title line has the title button off.
    void Select(TextList entries, int index) {
        form.ListBox1.Items = std::move(entries);
        form.WorkList() = form.ImportBuffer() = form.ListBox1.Items;
        form.bt_ID.Enabled = form.ListBox1.Items.Empty() || form.ListBox1.Items[0].rfind("{2}{", 0) != 0;
        form.ListBox1.ItemIndex = index;
        fake.dialogs.AllowErrors();
        if (index >= 0)
            form.Run(&TForm1::ListBox1Click);
    }

    // Runs a row and checks it; shown describes the window after it.
    void Play(const Scenario &s, const std::function<std::string()> &shown) {
        Select(TextList(s.list), s.selected);
        for (const std::string &answer : s.answers) {
            if (answer == "yes" || answer == "no")
                answer == "yes" ? fake.dialogs.AnswerYes() : fake.dialogs.AnswerNo();
            else
                fake.dialogs.AnswerInput(answer == "cancel" ? std::nullopt : std::optional(answer));
        }
        for (const Step &step : s.steps)
            step(form);
        static const char *const kKinds[] = {"message", "warning", "question", "input", "error",
                                             "open",    "save",    "font",     "find"};
        Lines boxes;
        std::size_t proposal = 0;
        for (const ShownBox &box : fake.dialogs.Boxes()) {
            boxes.push_back(std::string(kKinds[static_cast<int>(box.kind)]) + ": " + box.text);
            if (box.kind == ShownBox::Kind::Input)
                boxes.back() += "=" + fake.dialogs.Proposals()[proposal++];
        }
        EXPECT_EQ(boxes, s.boxes);
        EXPECT_EQ(form.SubtitleList().ToVector(), s.after);
        EXPECT_EQ(shown(), s.shown);
    }

    FakePlatform fake;
    TForm1 form{fake.platform};
};
