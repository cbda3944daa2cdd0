#include "tests/support/AviBuilder.h"
#include "tests/support/FilmClips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Crlf(const std::string &text) {
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

// Two SubRip blocks: an accented letter, an italics tag and two text lines.
const std::string kSubRip = "1\n00:00:01,000 --> 00:00:02,500\nOl\xE1 <i>mundo</i>\nsegunda linha\n\n"
                            "2\n00:00:03,000 --> 00:00:04,000\nFim\n";
const std::string kSubRipNumbering =
    "1\n00:00:01,000 --> 00:00:02,000\nA\n\n3\n00:00:03,000 --> 00:00:04,000\nB\n";
const std::string kMicroDvdOverlap = "{10}{20}A\n{15}{30}B\n";
const std::string kMicroDvdHeader = "{1}{1}23.976\n{100}{150}Hello|world\n";
const std::string kPlainText = "hello\nworld\n";

const std::string kList25 = "{25}{62}Ol\xE1 mundo|segunda linha\n{75}{100}Fim\n";

// The converted kSubRip with the time lines of its two blocks.
std::string Converted(const std::string &first, const std::string &second) {
    return Crlf("1\n" + first + "\nOl\xE1 mundo\nsegunda linha\n\n2\n" + second + "\nFim\n\n");
}

const std::string kSuccess = "message: Success\n";
const std::string kUnknown = "message: Subtitles - Unkown format\n";
const std::string kOverlapFound = "message: Find errors in subtitles\n";
const std::string kFirstOverlap =
    "message: The initial time would have to be superior  to the final time of the "
    "previous frame initial Frame  {15}{30}B\n";

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "lumavert-cli-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string PathOf(const std::string &name) const { return (dir_ / name).string(); }

    std::string WriteInput(const std::string &name, const std::string &bytes) const {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
        return PathOf(name);
    }

    static std::string ReadAll(const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Runs the binary inside the test folder, so relative names refer to it,
    // with a configuration folder of the test's own.
    CliResult Run(const std::vector<std::string> &arguments, const std::string &standardInput = "") const {
        std::string command =
            "cd '" + dir_.string() + "' && XDG_CONFIG_HOME='" + PathOf("config") + "' '" LUMAVERT_CLI "'";
        for (const std::string &argument : arguments) {
            command += " '";
            for (char c : argument)
                command += c == '\'' ? std::string("'\\''") : std::string(1, c);
            command += '\'';
        }
        const std::string input = standardInput.empty() ? "/dev/null" : WriteInput("stdin", standardInput);
        command += " <'" + input + "' >'" + PathOf("stdout") + "' 2>'" + PathOf("stderr") + "'";
        const int raw = std::system(command.c_str());
        CliResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = ReadAll(PathOf("stdout"));
        result.err = ReadAll(PathOf("stderr"));
        return result;
    }

    fs::path dir_;
};

struct RunCase {
    const char *name;
    std::string inputName;
    std::string input;
    std::vector<std::string> arguments; // the input file's name is added last
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const RunCase &c, std::ostream *os) {
    *os << c.name;
}

class CliRunTest : public CliTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(CliRunTest, WritesExactlyTheExpectedBytes) {
    const RunCase &c = GetParam();
    WriteInput(c.inputName, c.input);
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back(c.inputName);
    const CliResult result = Run(arguments);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(result.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliRunTest,
    ::testing::Values(
        RunCase{"OpenSubRipLf", "a.srt", kSubRip, {"open"}, 0, "Format: SubRip\nFPS: 25,000\n" + kList25, ""},
        RunCase{"OpenSubRipCrlf",
                "a.srt",
                Crlf(kSubRip),
                {"open"},
                0,
                "Format: SubRip\nFPS: 25,000\n" + kList25,
                ""},
        RunCase{"OpenSubRipByContent",
                "a.txt",
                kSubRip,
                {"open"},
                0,
                "Format: SubRip\nFPS: 25,000\n" + kList25,
                ""},
        RunCase{"OpenAtTypedRate",
                "a.srt",
                kSubRip,
                {"open", "--fps", "23.976"},
                0,
                "Format: SubRip\nFPS: 23,976\n{24}{60}Ol\xE1 mundo|segunda linha\n{72}{96}Fim\n",
                ""},
        RunCase{"OpenAtTwoRates",
                "a.srt",
                kSubRip,
                {"open", "--fps", "23.976/25"},
                0,
                "Format: SubRip\nFPS: 22,994\n{23}{57}Ol\xE1 mundo|segunda linha\n{69}{92}Fim\n",
                ""},
        RunCase{"OpenWithAlerts",
                "a.srt",
                kSubRip,
                {"open", "--alerts"},
                0,
                "Format: SubRip\nFPS: 25,000\n" + kList25,
                "message: Remember to use the same FPS\n"},
        RunCase{"OpenMicroDvdTakesHeaderRate",
                "h.sub",
                kMicroDvdHeader,
                {"open"},
                0,
                "Format: MicroDVD\nFPS: 23,976\n{100}{150}Hello|world\n",
                ""},
        RunCase{"OpenOverlapCorrected",
                "t.sub",
                kMicroDvdOverlap,
                {"open"},
                0,
                "Format: MicroDVD\nFPS: 25,000\n{10}{20}A\n{21}{30}B\n",
                kOverlapFound + "question: Auto Correction -> yes\n"},
        RunCase{"OpenOverlapShown",
                "t.sub",
                kMicroDvdOverlap,
                {"open", "--answer", "no"},
                0,
                "Format: MicroDVD\nFPS: 25,000\n{10}{20}A\n{15}{30}B\n",
                kOverlapFound + "question: Auto Correction -> no\n" + kFirstOverlap},
        RunCase{
            "NumberingErrorAccepted",
            "n.srt",
            kSubRipNumbering,
            {"open"},
            0,
            "Format: SubRip\nFPS: 25,000\n{25}{50}A\n{75}{100}B\n",
            "question: Find error in numeration  Continue? -> yes\nquestion: Ignore this option -> yes\n"},
        RunCase{"NumberingErrorRefused",
                "n.srt",
                kSubRipNumbering,
                {"open", "--answer", "no"},
                1,
                "",
                "question: Find error in numeration  Continue? -> no\n" + kUnknown},
        RunCase{"UnknownFormat", "plain.txt", kPlainText, {"convert"}, 1, "", kUnknown},
        RunCase{"UnknownFormatInPortuguese",
                "plain.txt",
                kPlainText,
                {"open", "--lang", "1"},
                1,
                "",
                "message: Legenda n\xC3\xA3o reconhecida\n"},
        RunCase{"UnknownFormatInSpanish",
                "plain.txt",
                kPlainText,
                {"open", "--lang", "4"},
                1,
                "",
                "message: Subt\xC3\xADtulos - Unkown format\n"},
        RunCase{"EmptyFile", "e.srt", "", {"open"}, 1, "", "lumavert-cli: e.srt: no subtitles in the file\n"},
        RunCase{"BlankLinesOnly",
                "e.sub",
                "\n\r\n\n",
                {"convert"},
                1,
                "",
                "lumavert-cli: e.sub: no subtitles in the file\n"},
        RunCase{"KnownFormatWithoutReadableSubtitle",
                "far.txt",
                "[INFORMATION]\r\n[SUBTITLE]\r\n99999999999:00:00.00,99999999999:00:01.00\r\nfar\r\n\r\n",
                {"convert"},
                1,
                "",
                "lumavert-cli: far.txt: no subtitles in the file\n"},
        RunCase{"Convert",
                "a.srt",
                kSubRip,
                {"convert"},
                0,
                Converted("00:00:01,000 --> 00:00:02,480", "00:00:03,000 --> 00:00:04,000"),
                kSuccess},
        RunCase{"ConvertAtTypedRate",
                "a.srt",
                kSubRip,
                {"convert", "--fps", "23.976"},
                0,
                Converted("00:00:01,001 --> 00:00:02,503", "00:00:03,003 --> 00:00:04,004"),
                kSuccess},
        RunCase{"ConvertAtRateWithComma",
                "a.srt",
                kSubRip,
                {"convert", "--fps", "23,976"},
                0,
                Converted("00:00:01,001 --> 00:00:02,503", "00:00:03,003 --> 00:00:04,004"),
                kSuccess},
        RunCase{"ConvertWithDelay",
                "a.srt",
                kSubRip,
                {"convert", "--delay", "0,5"},
                0,
                Converted("00:00:00,500 --> 00:00:01,980", "00:00:02,500 --> 00:00:03,500"),
                kSuccess},
        RunCase{"ConvertWithNegativeDelay",
                "a.srt",
                kSubRip,
                {"convert", "--delay", "-1,5"},
                0,
                Converted("00:00:02,500 --> 00:00:03,980", "00:00:04,500 --> 00:00:05,500"),
                kSuccess},
        RunCase{"ConvertInPortuguese",
                "a.srt",
                kSubRip,
                {"convert", "--lang", "1"},
                0,
                Converted("00:00:01,000 --> 00:00:02,480", "00:00:03,000 --> 00:00:04,000"),
                "message: Conclu\xC3\xAD"
                "do com sucesso\n"},
        RunCase{"ConvertAtHeaderRate",
                "h.sub",
                kMicroDvdHeader,
                {"convert"},
                0,
                Crlf("1\n00:00:04,171 --> 00:00:06,256\nHello\nworld\n\n"),
                kSuccess},
        RunCase{"ConvertKeepingOverlap",
                "t.sub",
                kMicroDvdOverlap,
                {"convert", "--answer", "no"},
                0,
                Crlf("1\n00:00:00,400 --> 00:00:00,800\nA\n\n2\n00:00:00,600 --> 00:00:01,200\nB\n\n"),
                kOverlapFound + "question: Auto Correction -> no\n" + kFirstOverlap +
                    "question: Auto Correction -> no\n" + kFirstOverlap + kSuccess},
        RunCase{"MicroDvd", "a.srt", kSubRip, {"microdvd"}, 0, Crlf(kList25), ""},
        RunCase{"MicroDvdAfterCorrection",
                "t.sub",
                kMicroDvdOverlap,
                {"microdvd"},
                0,
                Crlf("{10}{20}A\n{21}{30}B\n"),
                kOverlapFound + "question: Auto Correction -> yes\n"},
        RunCase{"FileAfterEndOfOptions",
                "-a.srt",
                kSubRip,
                {"open", "--"},
                0,
                "Format: SubRip\nFPS: 25,000\n" + kList25,
                ""}),
    [](const ::testing::TestParamInfo<RunCase> &info) { return std::string(info.param.name); });

// Failures whose error text comes from the core: the last line must be an
// error box naming the text, and nothing may reach the output.
struct FailureCase {
    const char *name;
    std::vector<std::string> arguments;
    std::string named;
};

void PrintTo(const FailureCase &c, std::ostream *os) {
    *os << c.name;
}

class CliFailureTest : public CliTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailureTest, ReportsAnErrorBoxAndWritesNothing) {
    WriteInput("a.srt", kSubRip);
    const CliResult result = Run(GetParam().arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    // Boxes shown before the failure (such as "Success") may come first; the error box ends the run.
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.back(), '\n');
    const std::size_t lastLine = result.err.rfind('\n', result.err.size() - 2) + 1;
    EXPECT_EQ(result.err.compare(lastLine, 7, "error: "), 0) << result.err;
    EXPECT_NE(result.err.find(GetParam().named, lastLine), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(PathOf("out.srt")));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CliFailureTest,
    ::testing::Values(
        FailureCase{"MissingFile", {"open", "missing.srt"}, "missing.srt"},
        FailureCase{"RateNotANumber", {"convert", "--fps", "abc", "a.srt"}, "abc"},
        FailureCase{"TwoRatesDivideByZero", {"open", "--fps", "25/0", "a.srt"}, "division by zero"},
        FailureCase{"TwoRatesNotANumber", {"open", "--fps", "x/25", "a.srt"}, "'x'"},
        FailureCase{"DelayWithPoint", {"convert", "--delay", "0.5", "-o", "out.srt", "a.srt"}, "0.5"},
        FailureCase{"OutputFolderMissing", {"convert", "-o", "no/such/out.srt", "a.srt"}, "out.srt"},
        FailureCase{"MicroDvdFolderMissing", {"microdvd", "-o", "no/such/out.srt", "a.srt"}, "out.srt"}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

struct UsageCase {
    const char *name;
    std::vector<std::string> arguments;
};

void PrintTo(const UsageCase &c, std::ostream *os) {
    *os << c.name;
}

class CliUsageTest : public CliTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageTest, ExitsWithStatusTwoBeforeOpening) {
    WriteInput("a.srt", kSubRip);
    const CliResult result = Run(GetParam().arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("lumavert-cli: ", 0), 0u) << result.err;
    const std::string hint = "\nTry 'lumavert-cli --help'.\n";
    ASSERT_GE(result.err.size(), hint.size());
    EXPECT_EQ(result.err.substr(result.err.size() - hint.size()), hint);
}

INSTANTIATE_TEST_SUITE_P(
    Usage, CliUsageTest,
    ::testing::Values(UsageCase{"NoArguments", {}}, UsageCase{"UnknownCommand", {"play", "a.srt"}},
                      UsageCase{"OptionBeforeCommand", {"--alerts", "open", "a.srt"}},
                      UsageCase{"MissingFile", {"open"}}, UsageCase{"TwoFiles", {"open", "a.srt", "a.srt"}},
                      UsageCase{"TwoFilesWithoutFolder", {"convert", "a.srt", "a.srt"}},
                      UsageCase{"StandardInputTwice", {"convert", "-o", ".", "-", "-"}},
                      UsageCase{"UnknownOption", {"open", "--quiet", "a.srt"}},
                      UsageCase{"MissingValue", {"open", "a.srt", "--fps"}},
                      UsageCase{"LanguageZero", {"open", "--lang", "0", "a.srt"}},
                      UsageCase{"LanguageFive", {"open", "--lang", "5", "a.srt"}},
                      UsageCase{"LanguageText", {"open", "--lang", "en", "a.srt"}},
                      UsageCase{"AnswerMaybe", {"open", "--answer", "maybe", "a.srt"}},
                      UsageCase{"AnswerCapital", {"open", "--answer", "Yes", "a.srt"}},
                      UsageCase{"SyncWithoutVideo", {"sync", "a.srt"}},
                      UsageCase{"VideoWithoutSync", {"convert", "--video", "film.mkv", "a.srt"}},
                      UsageCase{"UnknownOutputFormat", {"convert", "--to", "docx", "a.srt"}},
                      UsageCase{"OutputFormatForMicroDvd", {"microdvd", "--to", "vtt", "a.srt"}},
                      UsageCase{"FormatsWithAFile", {"formats", "a.srt"}},
                      UsageCase{"SyncTwoFiles",
                                {"sync", "--video", "film.mkv", "-o", ".", "a.srt", "b.srt"}}),
    [](const ::testing::TestParamInfo<UsageCase> &info) { return std::string(info.param.name); });

TEST_F(CliTest, HelpAndVersionGoToStandardOutput) {
    const CliResult help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: lumavert-cli open     [options] FILE\n", 0), 0u);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(Run({"open", "--help"}).out, help.out);

    const CliResult version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "lumavert-cli 4.20\n");
    EXPECT_EQ(version.err, "");
}

// What is no video, or no file at all, stops the sync with a message and writes nothing.
TEST_F(CliTest, SyncRefusesWhatIsNoVideo) {
    WriteInput("a.srt", kSubRip);
    WriteInput("film.mkv", "\x1a\x45\xdf\xa3 not really a film");
    for (const char *video : {"a.srt", "film.mkv", "missing.mkv"}) {
        const CliResult result = Run({"sync", "--video", video, "a.srt", "-o", "out.srt"});
        EXPECT_EQ(result.status, 1) << video;
        EXPECT_EQ(result.out, "") << video;
        EXPECT_EQ(result.err.rfind("lumavert-cli: " + std::string(video) + ": ", 0), 0u) << result.err;
        EXPECT_FALSE(fs::exists(PathOf("out.srt"))) << video;
    }
}

// The manual page documents every command and option the help lists.
TEST_F(CliTest, ManualPageNamesEverythingTheHelpLists) {
    std::string manual = ReadAll(LUMAVERT_MAN_PAGE);
    ASSERT_FALSE(manual.empty());
    manual.erase(std::remove(manual.begin(), manual.end(), '\\'), manual.end());
    const std::string help = Run({"--help"}).out;
    std::vector<std::string> names;
    for (std::size_t at = help.find("lumavert-cli "); at != std::string::npos;
         at = help.find("\n       lumavert-cli ", at + 1)) {
        const std::size_t start = help.find("lumavert-cli ", at) + 13;
        names.push_back(help.substr(start, help.find(' ', start) - start));
    }
    for (std::size_t at = help.find("\n  -"); at != std::string::npos; at = help.find("\n  -", at + 1))
        names.push_back(help.substr(at + 3, help.find_first_of(" \n", at + 3) - at - 3));
    EXPECT_GE(names.size(), 20u);
    for (const std::string &name : names)
        EXPECT_NE(manual.find(name), std::string::npos) << name;
}

// Several files in one call: each written into the folder under its own
// name, a failing one reported while the rest are still converted.
TEST_F(CliTest, SeveralFilesGoIntoTheFolderAndAFailureStopsNoOther) {
    WriteInput("a.srt", kSubRip);
    WriteInput("plain.txt", kPlainText);
    WriteInput("h.sub", kMicroDvdHeader);
    fs::create_directory(dir_ / "out");
    const CliResult result = Run({"convert", "-o", "out", "a.srt", "plain.txt", "missing.srt", "h.sub"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kSuccess + kUnknown +
                              "lumavert-cli: plain.txt: not written; the other files go on\n" +
                              "error: Cannot open file \"missing.srt\". No such file or directory\n" +
                              "lumavert-cli: missing.srt: not written; the other files go on\n" + kSuccess);
    EXPECT_EQ(ReadAll(PathOf("out/a.srt")),
              Converted("00:00:01,000 --> 00:00:02,480", "00:00:03,000 --> 00:00:04,000"));
    EXPECT_EQ(ReadAll(PathOf("out/h.srt")), Crlf("1\n00:00:04,171 --> 00:00:06,256\nHello\nworld\n\n"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "out"), fs::directory_iterator()), 2);

    const CliResult micro = Run({"microdvd", "-o", "out", "a.srt", "h.sub"});
    EXPECT_EQ(micro.status, 0);
    EXPECT_EQ(ReadAll(PathOf("out/a.sub")), Crlf(kList25));
    // A name made for the folder never replaces an input or an earlier file's output.
    const CliResult clash = Run({"microdvd", "-o", ".", "h.sub", "out/h.sub"});
    EXPECT_EQ(clash.status, 1);
    EXPECT_EQ(ReadAll(PathOf("h.sub")), kMicroDvdHeader);
}

// --to chooses the output format over the target's extension, and names
// the files a folder receives; vtt is UTF-8 whatever the input was read in.
TEST_F(CliTest, ToChoosesTheOutputFormat) {
    WriteInput("a.srt", kSubRip);
    const CliResult vtt = Run({"convert", "--to", "vtt", "a.srt", "-o", "a.txt"});
    EXPECT_EQ(vtt.status, 0);
    EXPECT_EQ(ReadAll(PathOf("a.txt")),
              Crlf("WEBVTT\n\n00:00:01.000 --> 00:00:02.480\nOl\xC3\xA1 mundo\nsegunda "
                   "linha\n\n00:00:03.000 --> 00:00:04.000\nFim\n\n"));
    fs::create_directory(dir_ / "out");
    EXPECT_EQ(Run({"convert", "--to", "ass", "-o", "out", "a.srt", "-"}, kSubRip).status, 0);
    EXPECT_TRUE(fs::exists(PathOf("out/a.ass")));
    EXPECT_TRUE(fs::exists(PathOf("out/stdin.ass")));

    const CliResult unknown = Run({"convert", "--to", "docx", "a.srt"});
    EXPECT_NE(unknown.err.find("sub, srt, vtt, ass, ssa, smi, ttml, subviewer, mpl2"), std::string::npos);

    const CliResult formats = Run({"formats"});
    EXPECT_EQ(formats.status, 0);
    for (const char *row : {"  subrip\tSubRip\t*.srt\n", "  vtt\tWebVTT\t.vtt\n", "  mpl2\tMPL2\t.txt\n"})
        EXPECT_NE(formats.out.find(row), std::string::npos) << row;
}

TEST_F(CliTest, StandardInputIsAFileNamedDash) {
    const CliResult open = Run({"open", "-"}, kSubRip);
    EXPECT_EQ(open.status, 0);
    EXPECT_EQ(open.out, "Format: SubRip\nFPS: 25,000\n" + kList25);

    // A UTF-16 file through a pipe, and a file name that is not ASCII.
    const char wide[] = "\xFF\xFE{\0"
                        "1\0}\0{\0"
                        "9\0}\0\xE9\0\n\0";
    fs::create_directory(dir_ / "out");
    WriteInput("caf\xC3\xA9.sub", "{1}{1}25\n{5}{10}x\n");
    const CliResult both =
        Run({"convert", "-o", "out", "-", "caf\xC3\xA9.sub"}, std::string(wide, sizeof wide - 1));
    EXPECT_EQ(both.status, 0) << both.err;
    // It is written back as it was read: UTF-16 with its mark.
    const std::string wideOut = ReadAll(PathOf("out/stdin.srt"));
    EXPECT_TRUE(wideOut.starts_with(std::string("\xFF\xFE"
                                                "1\0\r\0\n\0",
                                                8)))
        << wideOut;
    EXPECT_NE(wideOut.find(std::string("\xE9\0\r\0\n\0", 6)), std::string::npos);
    EXPECT_TRUE(fs::exists(dir_ / "out" / "caf\xC3\xA9.srt"));
}

// -o writes the program's file form (CR LF after every line, no byte-order
// mark) and replaces an existing file; nothing goes to standard output.
TEST_F(CliTest, OutputFileReplacesTheTarget) {
    struct OutputCase {
        std::string command;
        std::string target;
        std::string expected;
    };
    // convert writes the format of the target's extension; the others their own, in the encoding read.
    const std::vector<OutputCase> cases = {
        {"convert", "out.srt", Converted("00:00:01,000 --> 00:00:02,480", "00:00:03,000 --> 00:00:04,000")},
        {"convert", "out.txt", Crlf("[10][25]Ol\xE1 mundo|segunda linha\n[30][40]Fim\n")},
        {"microdvd", "out.txt", Crlf(kList25)},
        {"open", "out.txt", Crlf("Format: SubRip\nFPS: 25,000\n" + kList25)},
        {"open", "out.vtt", Crlf("Format: SubRip\nFPS: 25,000\n" + kList25)},
    };
    WriteInput("a.srt", kSubRip);
    for (const OutputCase &c : cases) {
        SCOPED_TRACE(c.command + " " + c.target);
        WriteInput(c.target, "an older, longer file that must go away entirely\n");
        const CliResult result = Run({c.command, "a.srt", "-o", c.target});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(ReadAll(PathOf(c.target)), c.expected);
    }
    // The folder holds only the input, the targets and the captured streams: no temporary file is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 6);
}

// A file comes back in the encoding it was read in unless another is named;
// a character the named one lacks is named instead, and nothing is written.
TEST_F(CliTest, EncodingsInAndOut) {
    const std::string russian = "1\r\n00:00:01,000 --> 00:00:02,000\r\nПривет, как дела?\r\n\r\n";
    // The same text in Windows-1251.
    const std::string russian1251 = "1\r\n00:00:01,000 --> 00:00:02,000\r\n"
                                    "\xCF\xF0\xE8\xE2\xE5\xF2, \xEA\xE0\xEA \xE4\xE5\xEB\xE0?\r\n\r\n";
    const std::string chinese = "1\r\n00:00:01,000 --> 00:00:02,000\r\n你好，世界。|我们走吧！\r\n\r\n";
    WriteInput("ru-1251.srt", russian1251);
    WriteInput("ru-utf8.srt", russian);
    WriteInput("zh-utf8.srt", chinese);
    // A text line that reads like a number line before a time line: the
    // character is told with the subtitle that holds it, not the one the
    // SubRip text seems to give it, whether the text goes to a file or to
    // standard output.
    WriteInput("number-like.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nok\r\n\r\n2\r\n"
                                  "00:00:03,000 --> 00:00:04,000\r\n7\r\na --> b\r\nП\r\n\r\n");
    struct EncodingCase {
        std::vector<std::string> arguments;
        int status;
        std::string out;
        std::string errorPart;
    };
    const std::vector<EncodingCase> cases = {
        {{"convert", "ru-1251.srt", "--encoding", "windows-1251", "--output-encoding", "utf-8"},
         0,
         russian,
         ""},
        {{"convert", "ru-1251.srt", "--encoding", "cp1251"}, 0, russian1251, ""},
        {{"convert", "ru-utf8.srt", "--output-encoding", "utf-8-bom"}, 0, "\xEF\xBB\xBF" + russian, ""},
        {{"convert", "zh-utf8.srt"},
         0,
         "1\r\n00:00:01,000 --> 00:00:02,000\r\n你好，世界。\r\n我们走吧！\r\n\r\n",
         ""},
        {{"convert", "ru-utf8.srt", "--output-encoding", "windows-1252", "-o", "out.srt"},
         1,
         "",
         "ru-utf8.srt: the character U+041F \"П\" of subtitle 1 cannot be written in Windows-1252"},
        {{"convert", "number-like.srt", "--output-encoding", "latin1", "-o", "out.srt"},
         1,
         "",
         "of subtitle 2 "},
        {{"convert", "number-like.srt", "--output-encoding", "latin1"}, 1, "", "of subtitle 2 "},
        {{"microdvd", "ru-utf8.srt", "--output-encoding", "latin1", "-o", "out.sub"}, 1, "", "U+041F"},
        {{"convert", "ru-utf8.srt", "--encoding", "klingon"}, 1, "", "unknown encoding 'klingon'"},
        {{"convert", "ru-1251.srt", "--encoding", "utf-8"}, 1, "", "It is not UTF-8 text"},
    };
    for (const EncodingCase &c : cases) {
        SCOPED_TRACE(c.arguments[1] + " " + c.arguments.back());
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_EQ(result.out, c.out);
        EXPECT_NE(result.err.find(c.errorPart), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(PathOf("out.srt")) || fs::exists(PathOf("out.sub")));
    }
}

// The tools open no subtitle file: avi-info prints the AVI report with one LF
// for each LF CR, fps the calculator's rate; what the window would show in a
// box instead goes to standard error.
TEST_F(CliTest, Tools) {
    WriteInput("film.avi", avi::File(avi::Video{}, avi::Audio{85, 2, 44100, 4000}));
    WriteInput("notes.txt", "not a film\n");
    const std::string report =
        "Info:\n--------------------------------\nVideoCodec: XVID\nResolution: 640x272\n"
        "Framerate: 25 fps\nClipBitrate: -31,21 Kb/s\n--------------------------------\n"
        "Audio Codec: MPEG Layer 3\nAudioBitRate: 31 kb/s\nAudioSampleRate: 44,1 Mhz\n"
        "AudioChannelCnt: 2\n--------------------------------\nFileSize: 0,00029182 Mb\n"
        "ClipLength: 1 min\n";
    struct ToolCase {
        std::vector<std::string> arguments;
        int status;
        std::string out;
        std::string err;
    };
    const std::vector<ToolCase> cases = {
        {{"avi-info", "film.avi"}, 0, report, ""},
        {{"avi-info", "notes.txt"}, 1, "", "message: No AVI Information\n"},
        {{"avi-info", "missing.avi"}, 1, "", "message: No AVI Information\n"},
        {{"fps", "1000,00:00:40"}, 0, "25\n", ""},
        {{"fps", "1000,00:00:41,5"}, 0, "23,8095238095238\n", ""},
        {{"fps", "1000"}, 1, "", "message: Erro\n"},
        {{"fps", "abc,00:00:40"}, 1, "", "message: Erro-> frame\n"},
        {{"fps", "1000,00:00:00"}, 1, "", "message: Erro-> hh:mm:ss\n"},
        {{"fps"}, 2, "", "lumavert-cli: missing FILE\nTry 'lumavert-cli --help'.\n"},
    };
    for (const ToolCase &c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.status, c.status);
    }
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Fitting, CliRunTest,
    ::testing::Values(RunCase{"TwoLines",
                              "a.sub",
                              "{0}{100}a|b|c\n",
                              {"open", "--fit"},
                              0,
                              "Format: MicroDVD\nFPS: 25,000\n{0}{67}a|b\n{68}{100}c\n",
                              ""},
                      RunCase{"ThreeLines",
                              "a.sub",
                              "{0}{100}aaaa bbbb cccc|dd\n",
                              {"microdvd", "--fit", "--lines", "3", "--max-line", "8", "--max-total", "14"},
                              0,
                              Crlf("{0}{88}aaaa |bbbb |cccc\n{89}{100}dd\n"),
                              ""}),
    [](const ::testing::TestParamInfo<RunCase> &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Fitting, CliUsageTest,
                         ::testing::Values(UsageCase{"FourLines", {"open", "--lines", "4", "a.srt"}},
                                           UsageCase{"LineLimitText", {"open", "--max-line", "x", "a.srt"}},
                                           UsageCase{"MultiToAFile", {"multi", "-o", "out.srt", "a.srt"}}),
                         [](const ::testing::TestParamInfo<UsageCase> &info) {
                             return std::string(info.param.name);
                         });

// The pass at 25 frames per second equals a plain conversion of the fitted list.
TEST_F(CliTest, MultiWritesSevenFilesInTheCurrentFolder) {
    WriteInput("a.sub", "{0}{100}a|b|c\n{200}{300}d\n");
    const CliResult result = Run({"multi", "a.sub"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, kSuccess);
    EXPECT_TRUE(fs::exists(PathOf("Test7.srt")));
    EXPECT_EQ(ReadAll(PathOf("Test4.srt")), Run({"convert", "--fit", "a.sub"}).out);
    fs::remove(PathOf("Test3.srt"));
    fs::create_directory(PathOf("Test3.srt"));
    const CliResult failed = Run({"multi", "a.sub"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("Test3.srt"), std::string::npos) << failed.err;
}

// video-info on a film of each kind people have, made here by ffmpeg: the
// facts GStreamer reads, one a line. The duration is the container's and
// varies with the muxer, so it is only checked to be about one second.
struct VideoInfoCase {
    const char *file;               // a clip of tests/support/FilmClips.h
    std::vector<std::string> facts; // every line but the duration
};

void PrintTo(const VideoInfoCase &c, std::ostream *os) {
    *os << c.file;
}

class CliVideoInfoTest : public CliTest, public ::testing::WithParamInterface<VideoInfoCase> {};

TEST_P(CliVideoInfoTest, PrintsTheFilmsFacts) {
    const VideoInfoCase &c = GetParam();
    const auto clip = std::find_if(kFilmClips.begin(), kFilmClips.end(),
                                   [&](const FilmClip &kind) { return std::string(kind.file) == c.file; });
    ASSERT_NE(clip, kFilmClips.end());
    if (const std::string missing = MissingEncoder(*clip); !missing.empty())
        GTEST_SKIP() << "ffmpeg has no encoder " << missing;
    ASSERT_FALSE(MakeFilmClip(*clip, dir_).empty());
    const CliResult result = Run({"video-info", c.file});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> lines;
    std::istringstream out(result.out);
    for (std::string line; std::getline(out, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u) << result.out;
    const std::string duration = lines[3];
    lines.erase(lines.begin() + 3);
    EXPECT_EQ(lines, c.facts);
    EXPECT_TRUE(duration.starts_with("Duration: 00:00:00,9") || duration.starts_with("Duration: 00:00:01,0"))
        << duration;
}

INSTANTIATE_TEST_SUITE_P(
    Films, CliVideoInfoTest,
    ::testing::Values(
        VideoInfoCase{"h264-aac.mp4",
                      {"Container: ISO MP4/M4A", "Video: H.264 (Constrained Baseline Profile) 160x120",
                       "Frame rate: 23,976", "Audio: MPEG-4 AAC, 2 channels, 48000 Hz"}},
        VideoInfoCase{"h265.mkv",
                      {"Container: Matroska", "Video: H.265 160x120", "Frame rate: 25,000", "Audio: none"}},
        VideoInfoCase{"h264.mkv",
                      {"Container: Matroska", "Video: H.264 (Constrained Baseline Profile) 160x120",
                       "Frame rate: 29,970", "Audio: none"}},
        VideoInfoCase{"vp9-opus.webm",
                      {"Container: WebM", "Video: VP9 160x120", "Frame rate: 30,000",
                       "Audio: Opus, 2 channels, 48000 Hz"}},
        VideoInfoCase{"mpeg4-mp3.avi",
                      {"Container: Audio Video Interleave (AVI)",
                       "Video: MPEG-4 Video (Simple Profile) 160x120", "Frame rate: 25,000",
                       "Audio: MPEG-1 Layer 3 (MP3), 2 channels, 44100 Hz"}},
        VideoInfoCase{"mpeg2.mpg",
                      {"Container: MPEG-1 System Stream", "Video: MPEG-2 Video (Main Profile) 160x120",
                       "Frame rate: 25,000", "Audio: MPEG-1 Layer 2 (MP2), 2 channels, 48000 Hz"}}),
    [](const ::testing::TestParamInfo<VideoInfoCase> &info) {
        std::string name = info.param.file;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
            '_');
        return name;
    });

// Anything but a film: exit 1, nothing printed, the reason on standard error.
TEST_F(CliTest, VideoInfoRefusesWhatIsNoFilm) {
    WriteInput("notes.txt", kPlainText);
    for (const char *file : {"notes.txt", "missing.mkv"}) {
        const CliResult result = Run({"video-info", file});
        EXPECT_EQ(result.status, 1) << file;
        EXPECT_EQ(result.out, "") << file;
        EXPECT_TRUE(result.err.starts_with(std::string("lumavert-cli: ") + file + ": not a video"))
            << result.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replacing, CliRunTest,
    ::testing::Values(RunCase{"WholeWordsBeforeFitting",
                              "a.sub",
                              "{0}{100}Colour|colours of colour\n",
                              {"open", "--find", "colour", "--with", "color", "--whole-words", "--fit"},
                              0,
                              "Format: MicroDVD\nFPS: 25,000\n{0}{100}color|colours of color\n",
                              "replaced: 2 of \"colour\"\n"},
                      RunCase{"RegexGroupsInOrder",
                              "a.sub",
                              "{0}{100}Smith, John|Doe, Jane\n",
                              {"microdvd", "--regex", "--match-case", "--find", "(\\w+), (\\w+)", "--with",
                               "$2 $1", "--find", "\\n", "--with", " / "},
                              0,
                              Crlf("{0}{100}John Smith / Jane Doe\n"),
                              "replaced: 2 of \"(\\w+), (\\w+)\"\nreplaced: 1 of \"\\n\"\n"},
                      RunCase{"RunawayExpression",
                              "a.sub",
                              "{0}{100}aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!\n",
                              {"open", "--regex", "--find", "(a+)+$", "--with", "x"},
                              1,
                              "",
                              "error: The regular expression took too long on subtitle 1 and was stopped; "
                              "nothing was changed\n"}),
    [](const ::testing::TestParamInfo<RunCase> &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Replacing, CliUsageTest,
    ::testing::Values(UsageCase{"FindWithoutWith", {"open", "--find", "a", "a.srt"}},
                      UsageCase{"WithWithoutFind", {"open", "--with", "a", "a.srt"}},
                      UsageCase{"FindOnATool", {"fps", "--find", "a", "--with", "b", "1,0"}}),
    [](const ::testing::TestParamInfo<UsageCase> &info) { return std::string(info.param.name); });

TEST_F(CliTest, BadRegularExpressionIsNamed) {
    WriteInput("a.srt", kSubRip);
    const CliResult result = Run({"convert", "--regex", "--find", "(a", "--with", "b", "a.srt"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("\"(a\""), std::string::npos) << result.err;
}

TEST_F(CliTest, SpellListsTheUnknownWordsWithSuggestions) {
    WriteInput("a.sub",
               "{0}{10}I did not recieve|it in 1999.\n{20}{30}<i>Fine</i>\n{40}{50}A beatiful day\n");
    const CliResult guessed = Run({"spell", "a.sub"});
    EXPECT_EQ(guessed.status, 0);
    EXPECT_EQ(guessed.out.rfind("1\trecieve\treceive, ", 0), 0u) << guessed.out;
    EXPECT_NE(guessed.out.find("\n3\tbeatiful\tbeautiful"), std::string::npos) << guessed.out;
    EXPECT_EQ(std::count(guessed.out.begin(), guessed.out.end(), '\n'), 2);
    EXPECT_EQ(guessed.err.rfind("dictionary: en_", 0), 0u) << guessed.err;

    const CliResult named = Run({"spell", "--dictionary", "pt-PT", "a.sub"});
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.err, "dictionary: pt_PT\n");

    const CliResult missing = Run({"spell", "--dictionary", "xx_XX", "a.sub"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("installed: "), std::string::npos);
    EXPECT_NE(missing.err.find("en_US"), std::string::npos);
    EXPECT_EQ(Run({"open", "--dictionary", "en_US", "a.sub"}).status, 2);
}

// A SAMI file with a class per language is read in one, told on standard error.
TEST_F(CliTest, SamiClassChoosesTheLanguage) {
    WriteInput("two.smi", "<SAMI>\n<STYLE>.KRCC {Name: Korean} .ENCC {Name: English}</STYLE>\n<BODY>\n"
                          "<SYNC Start=1000><P Class=KRCC>K<P Class=ENCC>E\n<SYNC Start=2000><P>&nbsp;\n");
    const std::string told = "; the file has KRCC (Korean), ENCC (English)\n";
    const CliResult first = Run({"open", "two.smi"});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, "Format: SAMI Captioning\nFPS: 25,000\n{25}{50}K\n");
    EXPECT_EQ(first.err, "lumavert-cli: two.smi: SAMI class read: KRCC (Korean)" + told);
    const CliResult named = Run({"open", "--sami-class", ".encc", "two.smi"});
    EXPECT_EQ(named.out, "Format: SAMI Captioning\nFPS: 25,000\n{25}{50}E\n");
    EXPECT_EQ(named.err, "lumavert-cli: two.smi: SAMI class read: ENCC (English)" + told);
    const CliResult unknown = Run({"convert", "--sami-class", "FRCC", "two.smi"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err, "lumavert-cli: two.smi: no SAMI class 'FRCC'" + told);
}

// The words added to the window's personal dictionary are known here too;
// an unreadable list is no error.
TEST_F(CliTest, SpellKnowsThePersonalWords) {
    WriteInput("a.sub", "{0}{10}A beatiful day for Lumavert\n");
    EXPECT_NE(Run({"spell", "a.sub"}).out.find("1\tLumavert\t"), std::string::npos);
    fs::create_directories(PathOf("config/Lumavert/words.txt"));
    const CliResult unreadable = Run({"spell", "a.sub"});
    EXPECT_EQ(unreadable.status, 0);
    EXPECT_NE(unreadable.out.find("\tbeatiful\t"), std::string::npos);
    fs::remove(PathOf("config/Lumavert/words.txt"));
    WriteInput("config/Lumavert/words.txt", "beatiful\nLumavert\n");
    const CliResult known = Run({"spell", "a.sub"});
    EXPECT_EQ(known.status, 0);
    EXPECT_EQ(known.out, "");
}
