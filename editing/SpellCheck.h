#pragma once

#include "document/TextList.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class Hunspell;

// Where Debian installs the Hunspell dictionaries.
inline constexpr std::string_view kDictionaryFolder = "/usr/share/hunspell";

// An installed dictionary: its language ("pt_PT") and its two files.
struct Dictionary {
    std::string name;
    std::string affixFile;
    std::string wordFile;
};

// Every dictionary of the folder with both its files, in order of name.
std::vector<Dictionary> InstalledDictionaries(std::string_view folder = kDictionaryFolder);
// The dictionary of that name: "pt_PT", or "pt-PT" as languages are also written.
std::optional<Dictionary> FindDictionary(const std::vector<Dictionary> &dictionaries, std::string_view name);

// One loaded dictionary, with the words the user added for this session.
class SpellChecker {
public:
    // Throws FileError naming the file when either file cannot be read.
    explicit SpellChecker(const Dictionary &dictionary);
    ~SpellChecker();
    SpellChecker(SpellChecker &&) noexcept;
    SpellChecker &operator=(SpellChecker &&) noexcept;

    const std::string &Name() const { return name_; }
    bool Knows(std::string_view word) const;
    // The dictionary's suggestions, best first; remembered for each word, as
    // Hunspell takes tens of milliseconds to make them.
    const std::vector<std::string> &Suggestions(std::string_view word);
    void Add(std::string_view word);

private:
    std::string name_;
    std::unique_ptr<Hunspell> hunspell_;
    std::map<std::string, std::vector<std::string>, std::less<>> suggestions_;
};

// A word of a subtitle the dictionary does not know, where it stands in the entry.
struct UnknownWord {
    std::size_t subtitle = 0; // index in the list
    std::size_t offset = 0;   // bytes into the entry, "{start}{end}" included
    std::string word;
    friend bool operator==(const UnknownWord &, const UnknownWord &) = default;
};

// Every word of the subtitles' text the checker does not know and that is not ignored, in order.
std::vector<UnknownWord> UnknownWords(const TextList &list, const SpellChecker &checker,
                                      const std::set<std::string, std::less<>> &ignored = {});

// The dictionary of the list's language: the one that knows the most words
// of a sample of the list, dictionaries of the same files loaded once and all
// at the same time. Those that cannot be read are told in `problems` and left out.
struct DictionaryGuess {
    std::optional<Dictionary> dictionary;
    std::vector<std::string> problems;
};
DictionaryGuess GuessDictionary(const TextList &list, const std::vector<Dictionary> &dictionaries);

// The personal dictionary: one word a line, UTF-8. A missing or unreadable file is an empty list.
std::vector<std::string> ReadPersonalWords(const std::string &fileName);
// Adds the word at the end of the file, made with its folder when missing. Throws FileError.
void AddPersonalWord(const std::string &fileName, std::string_view word);
