#include "editing/SpellCheck.h"
#include "editing/Words.h"

#include "document/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct LanguageCase {
    const char *name;
    TextList list;
    std::string language; // the guessed dictionary's name starts with it
    std::vector<UnknownWord> unknown;
    std::string spelling; // among the first suggestions for the first unknown word
};

void PrintTo(const LanguageCase &row, std::ostream *out) {
    *out << row.name;
}

const LanguageCase kLanguages[] = {
    {"Portuguese",
     {"{1}{2}Os comboios estão atrazados hoje.|Vamos esperar na estação.",
      "{3}{4}A rapariga comprou um bilhete|para o comboio das 8h30."},
     "pt",
     {{0, 25, "atrazados"}},
     "atrasados"},
    {"English",
     {"{1}{2}I did not recieve the letter.|It was sent in 1999 by 2nd post.",
      "{3}{4}<i>The colour of the sky</i>|is beatiful tonight."},
     "en",
     {{0, 16, "recieve"}, {1, 38, "beatiful"}},
     "receive"},
    {"Danish",
     {"{1}{2}Jeg kommer idag klokken fem.|Vi ses i morgen.",
      "{3}{4}Hun har købt en ny bil,|men den er ikke særlig hurtig."},
     "da",
     {{0, 17, "idag"}},
     "i dag"},
    {"Spanish",
     {"{1}{2}Mañana vamos a la playa con mis hermanos.",
      "{3}{4}Ayer no tubimos tiempo|para comer en el restaurante."},
     "es_ES",
     {{1, 14, "tubimos"}},
     "tuvimos"},
};

class SpellTable : public testing::TestWithParam<LanguageCase> {};

TEST_P(SpellTable, GuessesTheLanguageAndFindsThePlantedTypos) {
    const LanguageCase &row = GetParam();
    const DictionaryGuess guess = GuessDictionary(row.list, InstalledDictionaries());
    ASSERT_TRUE(guess.dictionary);
    EXPECT_EQ(guess.dictionary->name.rfind(row.language, 0), 0u) << guess.dictionary->name;
    EXPECT_TRUE(guess.problems.empty());
    SpellChecker checker(*guess.dictionary);
    EXPECT_EQ(UnknownWords(row.list, checker), row.unknown);
    const std::vector<std::string> &suggestions = checker.Suggestions(row.unknown.front().word);
    const auto first =
        suggestions.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(3, suggestions.size()));
    EXPECT_NE(std::find(suggestions.begin(), first, row.spelling), first);
    for (const UnknownWord &unknown : row.unknown)
        EXPECT_EQ(row.list[unknown.subtitle].substr(unknown.offset, unknown.word.size()), unknown.word);
}

INSTANTIATE_TEST_SUITE_P(InterfaceLanguages, SpellTable, testing::ValuesIn(kLanguages));

struct WordsCase {
    std::string text;
    std::vector<std::string> words;
};

TEST(Words, LettersOnlyOutsideTags) {
    const WordsCase cases[] = {
        {"don't stop", {"don't", "stop"}},
        {"<i>olá</i>|mundo", {"olá", "mundo"}},
        {"8h30 12 3,5 R2D2 fim", {"fim"}},
        {"<b unclosed", {"b", "unclosed"}},
        {"", {}},
        {"\xFF\xFE abc", {"abc"}},
    };
    WordSplitter splitter;
    for (const WordsCase &row : cases) {
        std::vector<std::string> words;
        for (const WordSpan &span : splitter.Words(row.text))
            words.push_back(row.text.substr(span.offset, span.size));
        EXPECT_EQ(words, row.words) << row.text;
    }
}

class PersonalWords : public testing::Test {
protected:
    void TearDown() override { fs::remove_all(folder_); }
    const fs::path folder_ = fs::temp_directory_path() / ("lumavert-words-" + std::to_string(::getpid()));
};

TEST_F(PersonalWords, AddedWordsAreKnownAndKept) {
    const std::string file = (folder_ / "config" / "words.txt").string();
    EXPECT_TRUE(ReadPersonalWords(file).empty());
    AddPersonalWord(file, "Lumavert");
    AddPersonalWord(file, "Ærøskøbing");
    EXPECT_EQ(ReadPersonalWords(file), (std::vector<std::string>{"Lumavert", "Ærøskøbing"}));

    SpellChecker checker(*FindDictionary(InstalledDictionaries(), "en-US"));
    const TextList list{"{1}{2}Lumavert is here", "{3}{4}Ærøskøbing"};
    EXPECT_EQ(UnknownWords(list, checker).size(), 2u);
    for (const std::string &word : ReadPersonalWords(file))
        checker.Add(word);
    EXPECT_TRUE(UnknownWords(list, checker).empty());
    EXPECT_TRUE(UnknownWords(TextList{"{1}{2}Zorbleth"}, checker, {"Zorbleth"}).empty());
}

TEST_F(PersonalWords, UnreadableDictionaryIsToldAndTheOthersGoOn) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "xx_XX.aff") << "SET UTF-8\n";
    std::ofstream(folder_ / "xx_XX.dic");
    fs::copy_file("/usr/share/hunspell/en_US.aff", folder_ / "en_US.aff");
    fs::copy_file("/usr/share/hunspell/en_US.dic", folder_ / "en_US.dic");
    const std::vector<Dictionary> dictionaries = InstalledDictionaries(folder_.string());
    ASSERT_EQ(dictionaries.size(), 2u);
    EXPECT_THROW(SpellChecker{dictionaries[1]}, FileError);
    const DictionaryGuess guess = GuessDictionary(TextList{"{1}{2}the house"}, dictionaries);
    ASSERT_TRUE(guess.dictionary);
    EXPECT_EQ(guess.dictionary->name, "en_US");
    ASSERT_EQ(guess.problems.size(), 1u);
    EXPECT_NE(guess.problems[0].find("xx_XX.dic"), std::string::npos);
    EXPECT_TRUE(InstalledDictionaries((folder_ / "none").string()).empty());
}

} // namespace
