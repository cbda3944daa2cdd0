#include "convert/SaveInEncoding.h"
#include "shell/Unit1.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

const Lines kMemo{"1", "00:00:04,000 --> 00:00:06,000", "Olá", "world", ""};
const std::string kMemoBytes = "1\r\n00:00:04,000 --> 00:00:06,000\r\nOl\xE1\r\nworld\r\n\r\n";

class Saving : public ::testing::Test {
protected:
    static std::string Bytes(const fs::path &file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Put(const fs::path &file, const std::string &bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::vector<fs::path> FolderContents() const {
        std::vector<fs::path> files;
        for (const auto &entry : fs::directory_iterator(folder.path()))
            files.push_back(entry.path());
        return files;
    }
    void SaveAs(int formatItem) {
        form.SaveFormato.ItemIndex = formatItem;
        form.Run(&TForm1::btFormatoClick);
    }

    TempFolder folder{"saving"};
    FakePlatform fake;
    TForm1 form{fake.platform};
};

} // namespace

TEST_F(Saving, SubRipWritesTheMemoWithCrLfAfterEveryLine) {
    const fs::path file = folder / "out.srt";
    Put(file, "an older and much longer file that is replaced without a question\r\n");
    form.Memo1.Lines = TextList(kMemo);
    fake.dialogs.ChooseFile(file.string());
    form.Run(&TForm1::btGravar1Click);
    EXPECT_EQ(Bytes(file), kMemoBytes);
    EXPECT_FALSE(fake.dialogs.LastFileDialog().OverwritePrompt);
    EXPECT_EQ(fake.dialogs.Boxes().size(), 1u);
    EXPECT_EQ(form.Memo1.Lines.ToVector(), kMemo);
}

TEST_F(Saving, SubRipWritesWhatWasTypedIntoTheMemo) {
    form.ListBox1.Items = TextList{"{100}{150}Hello|world"};
    form.Combobox2.Text = "25,000";
    form.AtrasoEdit.Text = "0";
    form.AnnounceSuccess = false;
    form.btConvertClick();
    form.Memo1.Lines.Set(2, "Hallo");
    form.Memo1.Lines.Add("typed");
    const fs::path file = folder / "edited.srt";
    fake.dialogs.ChooseFile(file.string());
    form.Run(&TForm1::btGravar1Click);
    EXPECT_EQ(Bytes(file), "1\r\n00:00:04,000 --> 00:00:06,000\r\nHallo\r\nworld\r\n\r\ntyped\r\n");
}

TEST_F(Saving, CancelWritesAndShowsNothing) {
    form.Memo1.Lines = TextList(kMemo);
    form.ListBox1.Items = TextList{"{1}{2}a"};
    fake.dialogs.ChooseFile(std::nullopt);
    form.Run(&TForm1::btGravar1Click);
    fake.dialogs.ChooseFile(std::nullopt);
    SaveAs(0);
    fake.dialogs.ChooseFile(std::nullopt);
    SaveAs(1);
    EXPECT_TRUE(FolderContents().empty());
    for (const ShownBox &box : fake.dialogs.Boxes())
        EXPECT_EQ(box.kind, ShownBox::Kind::SaveDialog);
}

TEST_F(Saving, MicroDvdWritesTheFrameLinesWithoutHeaderEvenWithoutConversion) {
    form.CurrentLanguage = 2;
    form.ListBox1.Items = TextList{"{100}{150}Hello|world", "{200}{250}xé"};
    const fs::path file = folder / "out.sub";
    fake.dialogs.ChooseFile(file.string());
    SaveAs(0);
    EXPECT_EQ(Bytes(file), "{100}{150}Hello|world\r\n{200}{250}x\xE9\r\n");
    const FileDialog &shown = fake.dialogs.LastFileDialog();
    EXPECT_EQ(shown.Title, form.Message(MessageRow::SaveSubtitle));
    EXPECT_EQ(shown.Filter, "MicroDVD (*.sub)|*.sub");
    EXPECT_TRUE(shown.OverwritePrompt);
}

TEST_F(Saving, MicroDvdOfAnEmptyListIsAnEmptyFile) {
    const fs::path file = folder / "empty.sub";
    fake.dialogs.ChooseFile(file.string());
    SaveAs(0);
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(Saving, FormatSubRipWritesTheMemo) {
    form.Memo1.Lines = TextList(kMemo);
    const fs::path file = folder / "out.srt";
    fake.dialogs.ChooseFile(file.string());
    SaveAs(1);
    EXPECT_EQ(Bytes(file), kMemoBytes);
    const FileDialog &shown = fake.dialogs.LastFileDialog();
    EXPECT_EQ(shown.Filter, "SubRip (*.srt)|*.srt");
    EXPECT_TRUE(shown.OverwritePrompt);
}

TEST_F(Saving, FormatSubRipWithoutConversionAsksToConvertFirst) {
    form.CurrentLanguage = 3;
    form.ListBox1.Items = TextList{"{100}{150}Hello|world"};
    SaveAs(1);
    EXPECT_EQ(fake.dialogs.Boxes(), (std::vector<ShownBox>{{ShownBox::Kind::Message, "Convert first"}}));
    EXPECT_TRUE(FolderContents().empty());
}

namespace {

// Each save path and the list it writes.
struct SavePath {
    const char *name;
    Handler handler;
    int formatItem;
    bool writesMemo;
    // Selects the format and gives the written list some lines.
    TextList &Prepare(TForm1 &form) const {
        form.SaveFormato.ItemIndex = formatItem;
        TextList &written = writesMemo ? form.Memo1.Lines : form.ListBox1.Items;
        written = TextList(kMemo);
        return written;
    }
};

const SavePath kSavePaths[] = {
    {"SubRipButton", &TForm1::btGravar1Click, 0, true},
    {"FormatMicroDvd", &TForm1::btFormatoClick, 0, false},
    {"FormatSubRip", &TForm1::btFormatoClick, 1, true},
};

class SaveFailure : public Saving, public ::testing::WithParamInterface<SavePath> {};

void PrintTo(const SavePath &c, std::ostream *out) {
    *out << c.name;
}

// Files may not grow beyond a few bytes while it lives, so that any write of
// the memo fails even for a user whom permissions do not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

} // namespace

TEST_P(SaveFailure, MissingFolderIsReportedNamingTheFile) {
    GetParam().Prepare(form);
    fake.dialogs.AllowErrors();
    const std::string file = (folder / "missing" / "out.txt").string();
    fake.dialogs.ChooseFile(file);
    form.Run(GetParam().handler);
    const Lines errors = fake.dialogs.Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(file), std::string::npos) << errors[0];
    EXPECT_TRUE(FolderContents().empty());
}

TEST_P(SaveFailure, FailedWriteLeavesTheExistingFileWhole) {
    TextList &written = GetParam().Prepare(form);
    fake.dialogs.AllowErrors();
    const fs::path file = folder / "kept.txt";
    const std::string old = "the file as it was\r\n";
    Put(file, old);
    for (int i = 0; i < 200; ++i)
        written.Add("a line that makes the text far longer than the limit on file sizes");
    fake.dialogs.ChooseFile(file.string());
    {
        FileSizeLimit limit(64);
        form.Run(GetParam().handler);
    }
    const Lines errors = fake.dialogs.Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(file.string()), std::string::npos) << errors[0];
    EXPECT_EQ(Bytes(file), old);
    EXPECT_EQ(FolderContents(), std::vector<fs::path>{file});
}

INSTANTIATE_TEST_SUITE_P(Convert, SaveFailure, ::testing::ValuesIn(kSavePaths),
                         [](const auto &info) { return std::string(info.param.name); });

// The output-format box chooses what Convert writes and what both save
// buttons save; the first item still saves the list as it stands and makes
// Convert write SubRip.
TEST_F(Saving, TheOutputFormatBoxChoosesTheConvertedAndSavedFormat) {
    form.ListBox1.Items = TextList{"{100}{150}a<b|c"};
    form.Combobox2.Text = "25,000";
    form.AtrasoEdit.Text = "0";
    form.AnnounceSuccess = false;
    form.SaveFormato.ItemIndex = 2; // WebVTT
    form.btConvertClick();
    const std::string vtt = "WEBVTT\r\n\r\n00:00:04.000 --> 00:00:06.000\r\na&lt;b\r\nc\r\n\r\n";
    const fs::path file = folder / "film.vtt";
    fake.dialogs.ChooseFile(file.string());
    form.Run(&TForm1::btGravar1Click);
    EXPECT_EQ(Bytes(file), vtt);
    EXPECT_EQ(fake.dialogs.LastFileDialog().Filter, "WebVTT (*.vtt)|*.vtt");

    fake.dialogs.ChooseFile((folder / "again.vtt").string());
    SaveAs(2);
    EXPECT_EQ(Bytes(folder / "again.vtt"), vtt);
    // The memo holds WebVTT, not the script the box now names.
    SaveAs(3);
    EXPECT_EQ(fake.dialogs.Boxes().back().text, "Convert first");

    form.SaveFormato.ItemIndex = 0;
    form.btConvertClick();
    EXPECT_EQ(form.Memo1.Lines.Item(1), "00:00:04,000 --> 00:00:06,000");

    // The saved file opens again as WebVTT, with its subtitle whole.
    form.btNovoClick();
    form.OpenNamedFile(file.string());
    EXPECT_EQ(form.Formato.Caption, "WebVTT");
    EXPECT_EQ(form.SubtitleList().Item(form.SubtitleList().Count() - 1), "{100}{150}a<b|c");
}

namespace {
// Text read with U+FFFD for bytes that did not read is written, in UTF-8,
// whatever the answer to questions; a character that only the chosen
// encoding lacks still asks.
TEST(SaveInEncodingUnread, TextThatCouldNotBeReadIsWrittenInUtf8) {
    TempFolder folder;
    const std::string file = (folder / "out.srt").string();
    const TextEncoding arabic = *FindEncoding("ISO-8859-6");
    EXPECT_FALSE(HoldsUnreadText(arabic));
    EXPECT_TRUE(HoldsUnreadText(*FindEncoding("UTF-16LE")));
    FakeDialogs dialogs;
    dialogs.AnswerNo();
    ASSERT_TRUE(SaveInEncoding(file, TextList{"1", "a \xEF\xBF\xBD b"}, true, arabic, dialogs, 2));
    EXPECT_EQ(dialogs.Messages(), Lines{MessageText(MessageRow::WrittenAsUtf8, 2) + "ISO-8859-6"});
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "\xEF\xBB\xBF"
                                                                   "1\r\na \xEF\xBF\xBD b\r\n");

    EXPECT_FALSE(SaveInEncoding(file, TextList{"1", "Ol\xC3\xA1"}, true, arabic, dialogs, 2));
}
} // namespace
