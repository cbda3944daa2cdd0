#include "convert/OpenerSteps.h"
#include "document/OwnMessages.h"

#include "document/Errors.h"
#include "document/MessageTable.h"
#include "formats/OpenFilter.h"
#include "shell/Unit1.h"
#include "shell/UserEvent.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
constexpr std::uint8_t kEnglish = 2;

std::string English(MessageRow row) {
    return MessageText(row, kEnglish);
}

class Opening : public ::testing::Test {
protected:
    Opening() {
        form.CurrentLanguage = kEnglish;
        form.ActivarosAlertas1.Checked = false;
    }
    void Open(const std::string &path) {
        fake.dialogs.ChooseFile(path);
        form.Run(&TForm1::btAbrirClick);
    }
    void OpenFile(const std::string &name, std::string_view bytes) { Open(folder.Write(name, bytes)); }
    std::vector<std::string> Entries() const { return form.ListBox1.Items.ToVector(); }
    // After a recognised file all four lists hold the same entries.
    void ExpectListsAgree() {
        EXPECT_EQ(form.ImportBuffer(), form.SubtitleList());
        EXPECT_EQ(form.KeptCopy(), form.SubtitleList());
        EXPECT_EQ(form.WorkList(), form.SubtitleList());
    }

    TempFolder folder{"opener"};
    FakePlatform fake;
    TForm1 form{fake.platform};
};

using Lines = std::vector<std::string>;

struct SubRipCase {
    std::string name, bytes;
    Lines entries;
};

class SubRipFiles : public Opening, public ::testing::WithParamInterface<SubRipCase> {};

TEST_P(SubRipFiles, OpenAsFrameLines) {
    OpenFile(GetParam().name, GetParam().bytes);
    EXPECT_EQ(Entries(), GetParam().entries);
    EXPECT_EQ(form.Formato.Caption, "SubRip");
    EXPECT_EQ(form.Combobox2.Text, "25,000");
    ExpectListsAgree();
    EXPECT_EQ(fake.dialogs.Boxes().size(), 1u) << "only the open dialog";
}

const std::string kTwoBlocks =
    "1\n00:00:01,000 --> 00:00:02,000\nHello\nworld\n\n2\n00:00:03,000 --> 00:00:04,500\nBye\n";
const Lines kTwoEntries = {"{25}{50}Hello|world", "{75}{112}Bye"};

std::string WithCrLf(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
        text.insert(at, "\r");
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SubRipFiles,
    ::testing::Values(
        SubRipCase{"lf.srt", kTwoBlocks, kTwoEntries},
        SubRipCase{"crlf.srt", WithCrLf(kTwoBlocks), kTwoEntries},
        SubRipCase{"content.txt", kTwoBlocks, kTwoEntries},
        SubRipCase{"leading.srt", "\n\r\n\n" + kTwoBlocks, kTwoEntries},
        SubRipCase{"gaps.srt",
                   "1\n00:00:01,000 --> 00:00:02,000\nA\n\n\n\n2\n00:00:03,000 --> 00:00:04,000\nB\n\n\n",
                   {"{25}{50}A", "{75}{100}B"}},
        SubRipCase{"unended.srt",
                   "1\n00:00:01,000 --> 00:00:02,000\nA\n2\n00:00:03,000 --> 00:00:04,000\nB\nC",
                   {"{25}{50}A", "{75}{100}B|C"}},
        // An empty line ends a subtitle only before a new one or the end of the file.
        SubRipCase{
            "inner.srt",
            "1\n00:00:01,000 --> 00:00:02,000\nA\n\nB\n\n\n2\n00:00:03,000 --> 00:00:04,000\nC\n\n\nD\n\n",
            {"{25}{50}A||B", "{75}{100}C|||D"}},
        SubRipCase{"unnumbered.srt",
                   "00:00:01,000 --> 00:00:02,000\nA\n\n00:00:03,000 --> 00:00:04,000\nB\n\nC\n"
                   "00:00:05,000 --> 00:00:06,000\nD",
                   {"{25}{50}A", "{75}{100}B||C", "{125}{150}D"}},
        SubRipCase{"coordinates.srt",
                   "1\n00:00:01,000 --> 00:00:02,000 X1:100 X2:600 Y1:10 Y2:50\nA\n\n"
                   "2\n00:00:02,500 --> 00:00:03,500\nB",
                   {"{25}{50}A", "{62}{88}B"}},
        SubRipCase{"times.srt",
                   "1\n00:00:01,000 --> 00:00:00,500\nA\n\n2\n00:00:05,000 --> 00:00:02,000\nB\n",
                   {"{25}{48}A", "{125}{148}B"}},
        SubRipCase{"markup.srt",
                   "1\n00:00:01,000 --> 00:00:02,000\n<i>Hi</i><br>there\nyou",
                   {"{25}{50}Hi|there|you"}}),
    [](const ::testing::TestParamInfo<SubRipCase> &info) {
        return info.param.name.substr(0, info.param.name.find('.'));
    });

TEST_F(Opening, NumberingQuestionAnsweredNoLeavesTheUnreadLinesAsAnUnknownFile) {
    fake.dialogs.AnswerNo();
    OpenFile("gap.srt", "1\n00:00:01,000 --> 00:00:02,000\nA\n\n4\n00:00:05,000 --> 00:00:06,000\nC");
    EXPECT_EQ(fake.dialogs.Messages(), Lines{English(MessageRow::UnknownFormat)});
    EXPECT_EQ(form.Formato.Caption, "Unknown");
    EXPECT_EQ(Entries(), Lines{"C"});
}

struct HeaderCase {
    std::string header, box;
    Lines entries, messages;
};

class MicroDvdHeaders : public Opening, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(MicroDvdHeaders, SetTheFrameRateBoxAndLeaveTheList) {
    form.Combobox2.Text = "29,700";
    OpenFile("film.sub", GetParam().header + "\r\n{10}{20}A\r\n{30}{40}B|C\r\n");
    EXPECT_EQ(form.Formato.Caption, "MicroDVD");
    EXPECT_EQ(form.Combobox2.Text, GetParam().box);
    EXPECT_EQ(Entries(), GetParam().entries);
    EXPECT_EQ(fake.dialogs.Messages(), GetParam().messages);
    EXPECT_DOUBLE_EQ(form.CurrentFps, 29.7);
    ExpectListsAgree();
}

INSTANTIATE_TEST_SUITE_P(
    Rates, MicroDvdHeaders,
    ::testing::Values(HeaderCase{"{1}{1}23.976", "23,976", {"{10}{20}A", "{30}{40}B|C"}, {}},
                      HeaderCase{"{1}{1}25", "25,000", {"{10}{20}A", "{30}{40}B|C"}, {}},
                      HeaderCase{"{0}{0}25.0", "25,000", {"{10}{20}A", "{30}{40}B|C"}, {}},
                      HeaderCase{"{0}{0}23,976", "23,976", {"{10}{20}A", "{30}{40}B|C"}, {}},
                      // Without a rate after it, "{0}{0}" starts a subtitle.
                      HeaderCase{"{0}{0}Hi", "29,700", {"{0}{0}Hi", "{10}{20}A", "{30}{40}B|C"}, {}},
                      HeaderCase{"{1}{1}abc",
                                 "29,700",
                                 {"{1}{1}abc", "{10}{20}A", "{30}{40}B|C"},
                                 {English(MessageRow::FpsError)}}));

TEST_F(Opening, AFileNoImporterTakesIsShownRawAsUnknown) {
    form.KeptCopy() = TextList{"{1}{2}earlier"};
    form.ListBox1.ItemIndex = 1;
    OpenFile("notes.txt", "Hello\n\nWorld");
    EXPECT_EQ(Entries(), (Lines{"Hello", "", "World"}));
    EXPECT_EQ(fake.dialogs.Messages(), Lines{English(MessageRow::UnknownFormat)});
    EXPECT_EQ(form.Formato.Caption, "Unknown");
    EXPECT_FALSE(form.SaveFormato.Enabled);
    EXPECT_FALSE(form.btFormato.Enabled);
    EXPECT_EQ(form.KeptCopy(), TextList{"{1}{2}earlier"});
    EXPECT_EQ(form.ListBox1.ItemIndex, -1);
}

TEST_F(Opening, TimingErrorsOfferTheAutomaticCorrection) {
    fake.dialogs.AnswerYes();
    OpenFile("overlap.sub", "{10}{20}A\n{15}{30}B\n{40}{50}C");
    EXPECT_EQ(fake.dialogs.Boxes()[1],
              (ShownBox{ShownBox::Kind::Message, English(MessageRow::TimingErrors)}));
    EXPECT_EQ(fake.dialogs.Boxes()[2],
              (ShownBox{ShownBox::Kind::Confirmation, English(MessageRow::AutoCorrection)}));
    EXPECT_EQ(Entries(), (Lines{"{10}{20}A", "{21}{30}B", "{40}{50}C"}));
    EXPECT_EQ(form.KeptCopy().Item(1), "{15}{30}B");
}

TEST_F(Opening, SwitchesTheWindowToTheOpenStateAndNewSwitchesBack) {
    form.OpenDialog1.FilterIndex = 7;
    OpenFile("film.sub", "{10}{20}A\n{30}{40}B\n{50}{60}C");
    EXPECT_EQ(form.OpenDialog1.Filter, OpenDialogFilter(kEnglish));
    EXPECT_EQ(form.OpenDialog1.FilterIndex, 1);
    EXPECT_EQ(form.Edit1.Text, "film.sub");
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
    EXPECT_EQ(form.Edit5.Text, "30");
    EXPECT_EQ(form.ActiveControl, &form.ListBox1);
    EXPECT_EQ(form.DefaultButton, &form.btMax);
    for (const Control *c : std::initializer_list<const Control *>{&form.btAbrir, &form.btPast})
        EXPECT_FALSE(c->Enabled) << c->Name;
    for (const Control *c : std::initializer_list<const Control *>{
             &form.btMax, &form.btConvert, &form.btOriginal, &form.btFormato, &form.SaveFormato, &form.bt_ID})
        EXPECT_TRUE(c->Enabled) << c->Name;
    EXPECT_FALSE(form.Abrir1.Enabled || form.Abrir2.Enabled);
    EXPECT_TRUE(form.Novo1.Enabled && form.Novo2.Enabled && form.Propriedades.Enabled);

    form.Memo1.Lines = TextList{"1"};
    form.Run(&TForm1::btNovoClick);
    EXPECT_TRUE(form.SubtitleList().Empty() && form.ImportBuffer().Empty() && form.WorkList().Empty());
    EXPECT_TRUE(form.Memo1.Lines.Empty());
    EXPECT_EQ(form.ListBox1.ItemIndex, -1);
    EXPECT_EQ(form.KeptCopy().Count(), 3u);
    EXPECT_EQ(form.Formato.Caption, "...");
    EXPECT_EQ(form.OpenDialog1.FileName, "");
    EXPECT_EQ(form.DefaultButton, &form.btAbrir);
    EXPECT_TRUE(form.btAbrir.Enabled && form.Abrir1.Enabled && form.Abrir2.Enabled);
    EXPECT_FALSE(form.btMax.Enabled || form.btConvert.Enabled || form.Converter2.Enabled ||
                 form.Novo1.Enabled);
}

TEST_F(Opening, TheWindowsImporterWorksOnItsLists) {
    form.WorkList() = TextList{"1", "00:00:01,000 --> 00:00:02,000", "Hi"};
    form.CurrentFps = 23.976;
    std::string first = "OK", second = "OK", name;
    form.ImportSubRip(first, second, name);
    EXPECT_EQ(form.SubtitleList(), (TextList{"{1}{1}23,976", "{24}{48}Hi"}));
    EXPECT_EQ(form.WorkList(), form.SubtitleList());
    EXPECT_EQ(name, "SubRip");
}

TEST_F(Opening, ASingleEntryIsSelected) {
    OpenFile("one.sub", "{10}{20}A");
    EXPECT_EQ(form.ListBox1.ItemIndex, 0);
}

TEST_F(Opening, EmptyFilesRunNew) {
    for (const char *bytes : {"", "\n\r\n\n"}) {
        OpenFile("empty.srt", bytes);
        EXPECT_EQ(form.Formato.Caption, "...");
        EXPECT_TRUE(form.btAbrir.Enabled);
        EXPECT_EQ(form.Edit1.Text, "");
    }
}

TEST_F(Opening, CancelChangesOnlyTheFormatLabel) {
    form.Formato.Caption = "SubRip";
    fake.dialogs.ChooseFile(std::nullopt);
    form.Run(&TForm1::btAbrirClick);
    EXPECT_EQ(form.Formato.Caption, "...");
    EXPECT_TRUE(form.btAbrir.Enabled);
}

TEST_F(Opening, FailuresEndTheOpeningWithTheErrorBox) {
    fake.dialogs.AllowErrors();
    Open(folder.Path("missing.srt"));
    ASSERT_EQ(fake.dialogs.Errors().size(), 1u);
    EXPECT_NE(fake.dialogs.Errors()[0].find("missing.srt"), std::string::npos);
    EXPECT_FALSE(form.btAbrir.Enabled);

    form.Combobox2.Text = "abc";
    OpenFile("film.sub", "{10}{20}A");
    EXPECT_EQ(fake.dialogs.Errors().size(), 2u);
    EXPECT_TRUE(form.WorkList().Empty());
    EXPECT_TRUE(form.SubtitleList().Empty());
}

TEST_F(Opening, CancelledWorkLeavesTheOpenFileAsItWas) {
    OpenFile("film.sub", "{10}{20}A\n{30}{40}B");
    form.Run(&TForm1::btConvertClick);
    const std::vector<std::string> memo = form.Memo1.Lines.ToVector();
    fake.dialogs.ClearBoxes();
    fake.dialogs.CancelLongWork();

    form.Run(&TForm1::OpenNamedFile, folder.Write("other.srt", "1\n00:00:01,000 --> 00:00:02,000\nC\n"));
    form.Run(&TForm1::btConvertClick);
    form.ComboBox3.Text = "2";
    form.Run(&TForm1::bt60Max);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"{10}{20}A", "{30}{40}B"}));
    EXPECT_EQ(form.KeptCopy(), form.SubtitleList());
    EXPECT_EQ(form.Formato.Caption, "MicroDVD");
    EXPECT_EQ(form.Edit1.Text, "film.sub");
    EXPECT_EQ(form.Memo1.Lines.ToVector(), memo);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

TEST_F(Opening, LoadAgainRestoresTheListAsOpened) {
    OpenFile("film.sub", "{10}{20}A\n{30}{40}B\n{50}{60}C");
    form.SubtitleList().Delete(0);
    form.SubtitleList().Delete(0);
    form.Memo1.Lines = TextList{"1", "00:00:00,400 --> 00:00:00,800"};
    form.Run(&TForm1::btOriginalClick);
    EXPECT_EQ(Entries(), (Lines{"{10}{20}A", "{30}{40}B", "{50}{60}C"}));
    EXPECT_EQ(form.ImportBuffer(), form.KeptCopy());
    EXPECT_TRUE(form.Memo1.Lines.Empty());
    EXPECT_EQ(form.ListBox1.ItemIndex, 1);
}

TEST_F(Opening, CancelledLoadAgainLeavesTheListAsEdited) {
    OpenFile("film.sub", "{10}{20}A\n{30}{40}B\n{50}{60}C");
    form.SubtitleList().Delete(0);
    form.Memo1.Lines = TextList{"1", "00:00:00,400 --> 00:00:00,800"};
    form.ListBox1.ItemIndex = 0;
    fake.dialogs.ClearBoxes();
    fake.dialogs.CancelLongWork();
    form.Run(&TForm1::btOriginalClick);
    EXPECT_EQ(Entries(), (Lines{"{30}{40}B", "{50}{60}C"}));
    EXPECT_EQ(form.Memo1.Lines.Count(), 2u);
    EXPECT_EQ(form.ListBox1.ItemIndex, 0);
    EXPECT_TRUE(fake.dialogs.Boxes().empty());
}

TEST_F(Opening, TheEncodingPanelFollowsTheLanguage) {
    OpenFile("cp1252.srt", "1\n00:00:01,000 --> 00:00:02,000\nCaf\xE9\n");
    form.Run(&TForm1::Portugus1Click);
    EXPECT_EQ(form.StatusBar1.Panels.at(0).Text, "Windows-1252 (Western European), predefinido");
    form.Run(&TForm1::btNovoClick);
    form.Run(&TForm1::Danis1Click);
    EXPECT_EQ(form.StatusBar1.Panels.at(0).Text, TForm1::kStatusNotice);
}

TEST_F(Opening, FoldersMayHoldDots) {
    OpenFile("my.subs/movie", "{10}{20}A");
    EXPECT_EQ(form.Edit1.Text, "movie");
    EXPECT_EQ(form.Formato.Caption, "MicroDVD");
}

TEST_F(Opening, FilesAreReadInTheirEncodingAndTheStatusBarSaysWhich) {
    OpenFile("bom.srt", "\xEF\xBB\xBF"
                        "1\r\n00:00:01,000 --> 00:00:02,000\r\nCaf\xC3\xA9 \xE2\x98\x83\r\n");
    EXPECT_EQ(Entries(), Lines{"{25}{50}Café ☃"});
    EXPECT_TRUE(fake.dialogs.Messages().empty());
    EXPECT_EQ(form.StatusBar1.Panels.at(0).Text, "UTF-8 with byte-order mark, mark");
    EXPECT_EQ(form.OutputEncoding(), Utf8Encoding(true));

    form.Run(&TForm1::btNovoClick);
    EXPECT_EQ(form.StatusBar1.Panels.at(0).Text, TForm1::kStatusNotice);
    OpenFile("cp1252.srt", "1\n00:00:01,000 --> 00:00:02,000\nCaf\xE9\n");
    EXPECT_EQ(Entries(), Lines{"{25}{50}Café"});
    EXPECT_EQ(form.StatusBar1.Panels.at(0).Text, "Windows-1252 (Western European), default");

    // Bytes UTF-8 cannot read, in a file named as UTF-8, are refused.
    form.Run(&TForm1::btNovoClick);
    form.NamedEncoding = FindEncoding("utf-8");
    fake.dialogs.AllowErrors();
    OpenFile("named.srt", "1\n00:00:01,000 --> 00:00:02,000\nCaf\xE9\n");
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(form.NamedEncoding);
}

// Bytes opened from memory under a file's name open as that file does.
TEST(OpeningContents, OpenAsTheFileHoldingThem) {
    struct Case {
        std::string name, bytes;
        bool namedUtf8 = false;
    };
    const std::vector<Case> cases = {
        {"two.srt", kTwoBlocks},
        {"rate.sub", "{1}{1}23.976\n{10}{20}A\n"},
        {"cp1252.srt", "1\n00:00:01,000 --> 00:00:02,000\nCaf\xE9\n"},
        {"bom.srt", "\xEF\xBB\xBF" + kTwoBlocks},
        {"unknown.txt", "no subtitles here\n"},
        {"empty.srt", ""},
        {"named.srt", "1\n00:00:01,000 --> 00:00:02,000\nCaf\xE9\n", true},
    };
    TempFolder folder{"contents"};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.Write(c.name, c.bytes);
        FakePlatform fromFile, fromMemory;
        TForm1 file{fromFile.platform}, memory{fromMemory.platform};
        for (TForm1 *form : {&file, &memory}) {
            form->CurrentLanguage = kEnglish;
            if (c.namedUtf8)
                form->NamedEncoding = FindEncoding("utf-8");
        }
        fromFile.dialogs.AllowErrors();
        fromMemory.dialogs.AllowErrors();
        file.Run(&TForm1::OpenNamedFile, path);
        RunUserEvent(fromMemory.dialogs, [&] { memory.OpenNamedText(path, c.bytes); });

        EXPECT_EQ(memory.ListBox1.Items, file.ListBox1.Items);
        EXPECT_EQ(memory.Formato.Caption, file.Formato.Caption);
        EXPECT_EQ(memory.StatusBar1.Panels.at(0).Text, file.StatusBar1.Panels.at(0).Text);
        EXPECT_EQ(memory.Combobox2.Text, file.Combobox2.Text);
        EXPECT_EQ(memory.Edit1.Text, file.Edit1.Text);
        EXPECT_EQ(fromMemory.dialogs.Boxes(), fromFile.dialogs.Boxes());
    }
}

// The text as UTF-16 with its byte-order mark, as Windows tools write it.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST_F(Opening, Utf16FilesOpenLikeTheirUtf8Twins) {
    // A snowman and a character beyond the first 65536 (a surrogate pair) come through.
    const std::u16string_view lf = u"1\n00:00:01,000 --> 00:00:02,000\nCaf\u00E9 \u2603 \U0001F600\n\n"
                                   u"2\n00:00:03,000 --> 00:00:04,000\n\u20ACfim\n";
    std::u16string crlf;
    for (const char16_t unit : lf)
        crlf += unit == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, unit);
    for (const bool bigEndian : {false, true}) {
        for (const std::u16string_view text : {lf, std::u16string_view(crlf)}) {
            SCOPED_TRACE(testing::Message() << (bigEndian ? "BE" : "LE") << (text == lf ? " LF" : " CR LF"));
            form.Run(&TForm1::btNovoClick);
            fake.dialogs.ClearBoxes();
            OpenFile("wide.srt", Utf16(text, bigEndian));
            EXPECT_EQ(form.Formato.Caption, "SubRip");
            EXPECT_EQ(Entries(), (Lines{"{25}{50}Café ☃ 😀", "{75}{100}€fim"}));
            EXPECT_TRUE(fake.dialogs.Messages().empty());
        }
    }
}

TEST_F(Opening, ADroppedFileOpensAndReplacesAnOpenOneOnlyWhenTheUserAgrees) {
    const std::string first = folder.Write("first.sub", "{1}{2}A\n{3}{4}B\n");
    const std::string second = folder.Write("second.sub", "{5}{6}C\n{7}{8}D\n");
    form.Run(&TForm1::FormDragDrop, first);
    EXPECT_EQ(Entries(), (Lines{"{1}{2}A", "{3}{4}B"}));
    EXPECT_EQ(form.Edit1.Text, "first.sub");
    EXPECT_TRUE(fake.dialogs.Boxes().empty());

    const std::string question = "Close the open subtitles and open \"second.sub\"?";
    fake.dialogs.AnswerNo();
    form.Run(&TForm1::FormDragDrop, second);
    EXPECT_EQ(fake.dialogs.Boxes(), (std::vector<ShownBox>{{ShownBox::Kind::Confirmation, question}}));
    EXPECT_EQ(Entries(), (Lines{"{1}{2}A", "{3}{4}B"}));

    fake.dialogs.AnswerYes();
    form.Run(&TForm1::FormDragDrop, second);
    EXPECT_EQ(Entries(), (Lines{"{5}{6}C", "{7}{8}D"}));
    EXPECT_EQ(form.Edit1.Text, "second.sub");
    EXPECT_EQ(form.OpenDialog1.FileName, second);
    EXPECT_FALSE(form.btAbrir.Enabled);
}

TEST(OpenerTexts, EncodingTextsInEveryLanguage) {
    EXPECT_EQ(InvalidCharactersText(3, 2),
              "3 byte sequences of this file could not be read and show as \"\uFFFD\".");
    EXPECT_EQ(InvalidCharactersText(1, 2),
              "1 byte sequence of this file could not be read and shows as \"\uFFFD\".");
    EXPECT_THROW(InvalidCharactersText(1, 5), ListIndexError);
    EXPECT_EQ(
        UnencodableCharacterText(U'П', 12, *FindEncoding("cp1252"), 2),
        "The character \"П\" (U+041F) of subtitle 12 cannot be written in Windows-1252 (Western European). "
        "Save in UTF-8 with byte-order mark instead?");
    EXPECT_EQ(CloseForDroppedFileText("a.srt", 4), "¿Cerrar los subtítulos abiertos y abrir \"a.srt\"?");
    EXPECT_THROW(CloseForDroppedFileText("a.srt", 0), ListIndexError);
}

TEST(OpenerSteps, LineSurgery) {
    EXPECT_EQ(FileNameWithoutFolder("C:\\Films\\a.srt"), "a.srt");
    EXPECT_EQ(FileNameWithoutFolder("/home/me/b.sub"), "b.sub");
    EXPECT_EQ(FpsHeaderRate("{1}{1}23.976"), Extended(23.976L));
    EXPECT_EQ(FpsHeaderRate("{1}{1}1.000.0"), std::nullopt);
    EXPECT_EQ(FpsHeaderRate("{1}{1}{y:i}25"), Extended(25));
    const std::pair<TextList, TextList> walks[] = {
        {{}, {}},
        {{""}, {""}},
        {{"", "a", "", "", "b", ""}, {"a", "b", ""}},
        {{"a", "b"}, {"a", "b"}},
    };
    for (const auto &[lines, kept] : walks)
        EXPECT_EQ(WithoutEmptyLines(lines), kept);
}

TEST_F(Opening, AMillionSubtitlesOpenInSeconds) {
    constexpr int kBlocks = 1'000'000;
    std::string bytes;
    bytes.reserve(kBlocks * 48);
    const auto clock = [](int milliseconds) {
        const auto two = [](int n) { return std::string{char('0' + n / 10), char('0' + n % 10)}; };
        const int seconds = milliseconds / 1000;
        return two(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60) + "," +
               std::to_string(1000 + milliseconds % 1000).substr(1);
    };
    // Block i shows from i x 0,2 s for 0,12 s: frames 5i to 5i + 3.
    for (int i = 1; i <= kBlocks; ++i)
        bytes += std::to_string(i) + "\r\n" + clock(200 * i) + " --> " + clock(200 * i + 120) +
                 "\r\n<i>Text</i>\r\n\r\n";
    const std::string path = folder.Write("long.srt", bytes);
    const auto started = std::chrono::steady_clock::now();
    Open(path);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ASSERT_EQ(form.SubtitleList().Count(), std::size_t{kBlocks});
    EXPECT_EQ(form.SubtitleList().Item(kBlocks - 1), "{5000000}{5000003}Text");
    // A step that is not linear would take hours; the bound leaves room for a busy machine.
    EXPECT_LT(seconds, 30.0) << seconds;
}
} // namespace
