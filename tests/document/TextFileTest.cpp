#include "document/TextFile.h"
#include "document/Errors.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const TextEncoding kWindows1252 = *FindEncoding("windows-1252");

struct Utf8Case {
    const char *bytes;
    bool valid;
    const char *decoded;
    std::size_t replaced;
};

class Utf8Sequences : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Sequences, ValidityAndReplacement) {
    const Utf8Case &c = GetParam();
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
    const DecodedText text = DecodeText(c.bytes, Utf8Encoding());
    EXPECT_EQ(text.utf8, c.decoded);
    EXPECT_EQ(text.invalid, c.replaced);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8Sequences,
    testing::Values(Utf8Case{"plain", true, "plain", 0}, Utf8Case{"\xC3\xA9", true, "\xC3\xA9", 0},
                    Utf8Case{"\xF0\x9F\x98\x80", true, "\xF0\x9F\x98\x80", 0}, // beyond the BMP
                    Utf8Case{"\xC0\xAF", false, "\uFFFD\uFFFD", 2},            // overlong: two stray bytes
                    Utf8Case{"\xE0\x80\xAF", false, "\uFFFD\uFFFD\uFFFD", 3},  // overlong three-byte form
                    Utf8Case{"\xED\xA0\x80", false, "\uFFFD\uFFFD\uFFFD", 3},  // a surrogate
                    Utf8Case{"\xF4\x90\x80\x80", false, "\uFFFD\uFFFD\uFFFD\uFFFD", 4}, // past U+10FFFF
                    Utf8Case{"\xE2\x82", false, "\uFFFD", 1},   // cut short at the end
                    Utf8Case{"\xE2\x82x", false, "\uFFFDx", 1}, // cut short before a letter
                    Utf8Case{"\xFF", false, "\uFFFD", 1}, Utf8Case{"\x80", false, "\uFFFD", 1}));

std::vector<std::string> Lines(std::string_view bytes) {
    return DecodeTextLines(bytes).lines.ToVector();
}

using Strings = std::vector<std::string>;

TEST(DecodeTextLines, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(Lines(""), Strings{});
    EXPECT_EQ(Lines("a"), Strings{"a"});
    EXPECT_EQ(Lines("a\nb"), (Strings{"a", "b"}));
    EXPECT_EQ(Lines("a\rb"), (Strings{"a", "b"}));
    EXPECT_EQ(Lines("a\r\nb"), (Strings{"a", "b"}));
    EXPECT_EQ(Lines("a\r\nb\nc\rd"), (Strings{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\r\n"), Strings{"a"});
    EXPECT_EQ(Lines("a\n\n"), (Strings{"a", ""}));
    EXPECT_EQ(Lines("\n"), Strings{""});
    EXPECT_EQ(Lines("a\n\rb"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Lines("a\r\r\nb"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Lines(std::string_view("a\0b", 3)), Strings{std::string("a\0b", 3)});
}

// A text of a megabyte or more is read in two halves; wherever its middle
// falls, in UTF-8 or in a code page, no line is split, joined or lost.
TEST(DecodeTextLines, LargeTextsReadWhole) {
    const struct {
        std::string_view pattern;
        Strings lines;
        std::optional<TextEncoding> named;
    } cases[] = {
        {"a\r\nb\nc\rd\n\n", {"a", "b", "c", "d", ""}, std::nullopt},
        {"\xC3\xA1\r\n\r\nxyz\n", {"á", "", "xyz"}, std::nullopt},
        {"Ol\xE1\r\n\xE9\r\r\n", {"Olá", "é", ""}, FindEncoding("Windows-1252")},
    };
    for (const auto &c : cases) {
        for (const std::size_t repeats : {std::size_t{1} << 18, (std::size_t{1} << 18) + 1}) {
            std::string text;
            Strings expected;
            for (std::size_t i = 0; i < repeats; ++i) {
                text += c.pattern;
                expected.insert(expected.end(), c.lines.begin(), c.lines.end());
            }
            const ReadingOptions options{c.named};
            EXPECT_EQ(DecodeTextLines(text, options).lines.ToVector(), expected)
                << c.pattern << " x " << repeats;
        }
    }
}

TEST(DecodeTextLines, DecodesUtf8AndWindowsText) {
    const LoadedText marked = DecodeTextLines("\xEF\xBB\xBFOl\xC3\xA1\r\n\xE4\xB8\xAD");
    EXPECT_EQ(marked.encoding.source, EncodingSource::Mark);
    EXPECT_EQ(marked.lines.ToVector(), (Strings{"Olá", "中"}));

    const LoadedText unmarked = DecodeTextLines("Ol\xC3\xA1");
    EXPECT_EQ(unmarked.encoding.source, EncodingSource::Utf8);
    EXPECT_EQ(unmarked.lines.ToVector(), Strings{"Olá"});

    const LoadedText plain = DecodeTextLines("Ol\xE1 \x80");
    EXPECT_EQ(plain.encoding.encoding.name, "Windows-1252");
    EXPECT_EQ(plain.lines.ToVector(), Strings{"Olá €"});

    EXPECT_EQ(DecodeTextLines("ascii only").encoding.source, EncodingSource::Fallback);
    EXPECT_EQ(Lines("\xEF\xBB\xBF"), Strings{});
}

TEST(DecodeTextLines, DecodesUtf16WithItsMark) {
    // "A" CR LF, a lone low surrogate, "b", then a last odd byte.
    const LoadedText little = DecodeTextLines(std::string_view("\xFF\xFE"
                                                               "A\0\r\0\n\0\x00\xDC"
                                                               "b\0x",
                                                               13));
    EXPECT_EQ(little.lines.ToVector(), (Strings{"A", "\uFFFDb\uFFFD"}));
    EXPECT_EQ(little.invalidCharacters, 2u);

    const LoadedText big = DecodeTextLines(std::string_view("\xFE\xFF\0A\x20\xAC\xD8\x3D\xDE\x00", 10));
    EXPECT_EQ(big.lines.ToVector(), Strings{"A€😀"});
}

class TextFileTest : public testing::Test {
protected:
    static std::string Contents(const fs::path &path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Put(const fs::path &path, std::string_view bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // Nothing but the expected files: no temporary file is left behind.
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
    }

    TempFolder folder{"textfile"};
};

TEST_F(TextFileTest, WritesEveryLineWithCrLfAndNoMark) {
    const std::string name = (folder / "out.srt").string();
    WriteTextFile(name, TextList{"1", "Olá", ""}, kWindows1252);
    EXPECT_EQ(Contents(name), "1\r\nOl\xE1\r\n\r\n");
    WriteTextFile(name, TextList{}, kWindows1252);
    EXPECT_EQ(Contents(name), "");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(TextFileTest, ReadsBackWhatItWrote) {
    const std::string name = (folder / "round.sub").string();
    const TextList lines{"{1}{25}Olá|mundo", "", "€"};
    WriteTextFile(name, lines, kWindows1252);
    EXPECT_EQ(ReadTextFile(name).lines, lines);
}

TEST_F(TextFileTest, WritesTheEncodingsMarkAndRefusesWhatItLacks) {
    const std::string name = (folder / "marked.srt").string();
    WriteTextFile(name, TextList{"Я"}, *FindEncoding("utf-16le"));
    EXPECT_EQ(Contents(name), std::string("\xFF\xFE\x2F\x04\r\0\n\0", 8));
    WriteTextFile(name, TextList{"Я"}, Utf8Encoding(true));
    EXPECT_EQ(Contents(name), "\xEF\xBB\xBF\xD0\xAF\r\n");
    try {
        WriteTextFile(name, TextList{"ok", "a Я"}, kWindows1252);
        FAIL();
    } catch (const EncodingError &e) {
        EXPECT_EQ(e.character, U'Я');
        EXPECT_EQ(e.line, 1u);
    }
    // The file written before stays whole, and no temporary file is left.
    EXPECT_EQ(Contents(name), "\xEF\xBB\xBF\xD0\xAF\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(TextFileTest, ReadsAUtf8File) {
    const fs::path path = folder / "utf8.srt";
    Put(path, "\xEF\xBB\xBF"
              "1\r\n\xC3\xA9\r\n");
    const LoadedText loaded = ReadTextFile(path.string());
    EXPECT_EQ(loaded.lines.ToVector(), (Strings{"1", "é"}));
}

TEST_F(TextFileTest, FileNamesInAnyScript) {
    fs::create_directory(folder / "Фильм");
    const std::string name = (folder / "Фильм" / "Żółw.srt").string();
    WriteTextFile(name, TextList{"x"}, kWindows1252);
    EXPECT_EQ(ReadTextFile(name).lines.ToVector(), Strings{"x"});
}

TEST_F(TextFileTest, MissingFileIsAFileErrorNamingIt) {
    const std::string name = (folder / "absent.srt").string();
    try {
        ReadTextFile(name);
        FAIL();
    } catch (const FileError &e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + name + "\". No such file or directory");
    }
    EXPECT_THROW(ReadTextFile(folder.string()), FileError);
}

TEST_F(TextFileTest, WriteIntoAMissingFolderNamesTheFile) {
    const std::string name = (folder / "no" / "such.srt").string();
    try {
        WriteTextFile(name, TextList{"x"}, kWindows1252);
        FAIL();
    } catch (const FileError &e) {
        EXPECT_NE(std::string(e.what()).find("\"" + name + "\""), std::string::npos) << e.what();
    }
}

// The rename over the target fails when the target is a folder; what was
// there stays, and the temporary file goes.
TEST_F(TextFileTest, FailedWriteLeavesTheTargetAndNoTemporary) {
    const fs::path target = folder / "taken.srt";
    fs::create_directory(target);
    Put(target / "inside.txt", "keep");
    EXPECT_THROW(WriteTextFile(target.string(), TextList{"x"}, kWindows1252), FileError);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(Contents(target / "inside.txt"), "keep");
    EXPECT_EQ(FilesInFolder(), 1u);
}

// A file of our temporary name already there is not overwritten.
TEST_F(TextFileTest, ExistingTemporaryNameIsLeftAlone) {
    const fs::path target = folder / "a.srt";
    Put(fs::path(target.string() + ".lumavert-0.tmp"), "someone's");
    Put(target, "old");
    WriteTextFile(target.string(), TextList{"new"}, kWindows1252);
    EXPECT_EQ(Contents(target), "new\r\n");
    EXPECT_EQ(Contents(target.string() + ".lumavert-0.tmp"), "someone's");
}

// What is not a plain file of a sane size is refused at once, never read.
TEST_F(TextFileTest, OnlyPlainFilesAreRead) {
    const fs::path pipe = folder / "pipe.srt";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const fs::path huge = folder / "huge.srt";
    Put(huge, "");
    fs::resize_file(huge, (std::uintmax_t{1} << 30) + 1);
    const struct {
        std::string name, reason;
    } refused[] = {{folder.string(), "Is a directory"},
                   {pipe.string(), "It is not a regular file"},
                   {"/dev/zero", "It is not a regular file"},
                   {huge.string(), "The file is larger than 1 GiB"}};
    for (const auto &file : refused) {
        try {
            ReadTextFile(file.name);
            ADD_FAILURE() << file.name;
        } catch (const FileError &e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + file.name + "\". " + file.reason);
        }
    }
}

// Saving replaces the file, not what it is: its permissions stay, and a
// link stays a link to the file that now holds the new text.
TEST_F(TextFileTest, SavingKeepsPermissionsAndFollowsLinks) {
    const fs::path target = folder / "real.srt";
    Put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = folder / "link.srt";
    fs::create_symlink("real.srt", link);
    WriteTextFile(link.string(), TextList{"new"}, kWindows1252);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(target), "new\r\n");
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const fs::path dangling = folder / "dangling.srt";
    fs::create_symlink("made.srt", dangling);
    WriteTextFile(dangling.string(), TextList{"x"}, kWindows1252);
    EXPECT_EQ(Contents(folder / "made.srt"), "x\r\n");
    EXPECT_EQ(FilesInFolder(), 4u);
}

// A file or folder marked read-only is left as it was, the message names
// the file and no temporary file stays behind.
TEST_F(TextFileTest, ReadOnlyTargetsAreLeftAlone) {
    const fs::path file = folder / "locked.srt";
    Put(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    try {
        WriteTextFile(file.string(), TextList{"new"}, kWindows1252);
        ADD_FAILURE();
    } catch (const FileError &e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + file.string() + "\". Permission denied");
    }
    EXPECT_EQ(Contents(file), "old");
    EXPECT_EQ(FilesInFolder(), 1u);

    // Permissions do not stop the superuser from writing into a folder.
    if (geteuid() == 0)
        return;
    const fs::path lockedFolder = folder / "locked";
    fs::create_directory(lockedFolder);
    Put(lockedFolder / "a.srt", "old");
    fs::permissions(lockedFolder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(WriteTextFile((lockedFolder / "a.srt").string(), TextList{"new"}, kWindows1252), FileError);
    fs::permissions(lockedFolder, fs::perms::owner_all);
    EXPECT_EQ(Contents(lockedFolder / "a.srt"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(lockedFolder), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, LargeFileReadsAndWritesQuickly) {
    std::vector<std::string> many;
    many.reserve(1000000);
    for (int i = 0; i < 1000000; ++i)
        many.push_back("{" + std::to_string(i * 50) + "}{" + std::to_string(i * 50 + 40) + "}Olá|mundo");
    const TextList lines(std::move(many));
    const std::string name = (folder / "big.sub").string();
    const auto started = std::chrono::steady_clock::now();
    WriteTextFile(name, lines, kWindows1252);
    EXPECT_EQ(ReadTextFile(name).lines, lines);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

} // namespace
