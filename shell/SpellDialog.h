#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The spell check's dialog for one unknown word: its texts in the window's
// language, the subtitle with the word, the suggestions and dictionaries,
// and what the user chose.
struct SpellDialog {
    enum class Action { Change, ChangeAll, Ignore, IgnoreAll, AddWord, ChooseDictionary, Close };

    struct Texts {
        std::string title, notInDictionary, changeTo, suggestions, dictionary, change, changeAll, ignore,
            ignoreAll, addWord, close;
    } Labels;

    std::string Text;          // the subtitle's text, '|' between its lines
    std::size_t WordStart = 0; // bytes into Text
    std::string Word;
    std::vector<std::string> Suggestions;
    std::vector<std::string> Dictionaries;
    std::size_t DictionaryIndex = 0;
    // What Change and Change all write: the first suggestion unless the user picks or types another.
    std::string Replacement;
    Action Pressed = Action::Close;
};
