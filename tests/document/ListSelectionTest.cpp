#include "document/Errors.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class ListSelection : public testing::Test {
protected:
    void SetUp() override {
        form.Combobox2.Text = "25";
        form.AtrasoEdit.Text = "0";
        for (Edit *edit : {&form.Edit5, &form.Edit6, &form.Edit7, &form.Edit12})
            edit->Text = "old";
        form.SelectedStart = -1;
        form.SelectedEnd = -1;
        form.UpDown1.Position = 3;
        form.UpDown2.Position = 4;
    }

    void Select(std::string entry) {
        form.ListBox1.Items = TextList{"{0}{1}first", std::move(entry)};
        form.ListBox1.ItemIndex = 1;
    }

    struct Fields {
        std::string edit5, edit6, edit7, edit12;
        int start, end;
        friend bool operator==(const Fields &, const Fields &) = default;
        friend std::ostream &operator<<(std::ostream &out, const Fields &f) {
            return out << f.edit5 << " " << f.edit6 << " " << f.edit7 << " " << f.edit12 << " " << f.start
                       << " " << f.end;
        }
    };
    Fields Shown() const {
        return {form.Edit5.Text,  form.Edit6.Text,    form.Edit7.Text,
                form.Edit12.Text, form.SelectedStart, form.SelectedEnd};
    }
    const Fields kUntouched{"old", "old", "old", "old", -1, -1};

    FakePlatform fake;
    TForm1 form{fake.platform};
};

TEST_F(ListSelection, ShowsTheSelectedEntry) {
    Select("{1000}{1562}Hello|world");
    form.ListBox1Click();
    EXPECT_EQ(Shown(), (Fields{"1000", "1562", "562", "00:00:22,480", 1000, 1562}));
    EXPECT_EQ(form.UpDown1.Position, 0);
    EXPECT_EQ(form.UpDown2.Position, 0);
}

TEST_F(ListSelection, UsesRateAndWholeDelay) {
    Select("{0}{1562}x");
    form.Combobox2.Text = "23,976";
    form.AtrasoEdit.Text = "1";
    form.ListBox1Click();
    EXPECT_EQ(form.Edit12.Text, "00:01:04,148");
}

TEST_F(ListSelection, ReadsTrickyEntries) {
    Select("{10}{20}a}b{c");
    form.ListBox1Click();
    EXPECT_EQ(Shown(), (Fields{"10", "20", "10", "00:00:00,400", 10, 20}));
    Select("{10}{20}");
    form.ListBox1Click();
    EXPECT_EQ(form.Edit7.Text, "10");
    // Without a second "{" the end is what stands before the next "}".
    Select("{10}30}x");
    form.ListBox1Click();
    EXPECT_EQ(Shown(), (Fields{"10", "30", "20", "00:00:00,800", 10, 30}));
}

TEST_F(ListSelection, NothingSelectedOrNoBraceChangesNothing) {
    form.ListBox1.Items = TextList{"{0}{1}x"};
    form.ListBox1.ItemIndex = -1;
    form.ListBox1Click();
    EXPECT_EQ(Shown(), kUntouched);
    Select("no braces here}");
    form.ListBox1Click();
    EXPECT_EQ(Shown(), kUntouched);
    EXPECT_EQ(form.UpDown1.Position, 3);
}

struct FailureCase {
    const char *entry;
    const char *rate;
    const char *delay;
    int start;      // SelectedStart after the failure
    int end;        // SelectedEnd after the failure
    bool fieldsSet; // Edit5 to Edit7 filled before the failure
    const char *failingText;
};

class ListSelectionFailure : public ListSelection, public testing::WithParamInterface<FailureCase> {};

TEST_P(ListSelectionFailure, KeepsWhatWasSetBeforeTheFailure) {
    const FailureCase &c = GetParam();
    Select(c.entry);
    form.Combobox2.Text = c.rate;
    form.AtrasoEdit.Text = c.delay;
    fake.dialogs.AllowErrors();
    form.Run(&TForm1::ListBox1Click);
    ASSERT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_NE(fake.dialogs.Errors()[0].find(std::string("'") + c.failingText + "'"), std::string::npos)
        << fake.dialogs.Errors()[0];
    EXPECT_EQ(form.SelectedStart, c.start);
    EXPECT_EQ(form.SelectedEnd, c.end);
    EXPECT_EQ(form.Edit5.Text, c.fieldsSet ? "10" : "old");
    EXPECT_EQ(form.Edit12.Text, "old");
    EXPECT_EQ(form.UpDown1.Position, 3);
}

INSTANTIATE_TEST_SUITE_P(Entries, ListSelectionFailure,
                         testing::Values(FailureCase{"{x}{20}t", "25", "0", -1, -1, false, "x"},
                                         FailureCase{"{10}{y}t", "25", "0", 10, -1, false, "y"},
                                         FailureCase{"{10}", "25", "0", 10, -1, false, ""},
                                         FailureCase{"{10}{20}t", "25", "1,5", 10, 20, true, "1,5"},
                                         FailureCase{"{10}{20}t", "25.0", "0", 10, 20, true, "25.0"}));

TEST_F(ListSelection, ConversionErrorPropagates) {
    Select("{10}{20}t");
    form.AtrasoEdit.Text = "1,5";
    EXPECT_THROW(form.ListBox1Click(), ConvertError);
    EXPECT_EQ(form.Edit6.Text, "20");
}

TEST_F(ListSelection, ExitDoesNothing) {
    Select("{10}{20}t");
    form.ListBox1Exit();
    EXPECT_EQ(Shown(), kUntouched);
}

} // namespace
