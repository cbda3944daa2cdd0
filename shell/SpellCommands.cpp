#include "shell/Unit1.h"

#include "document/Errors.h"
#include "document/FrameLine.h"
#include "editing/SpellSteps.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

// The dictionary with the words of the user's personal list added.
SpellChecker LoadChecker(const Dictionary &dictionary, const std::string &personalWordsFile) {
    SpellChecker checker(dictionary);
    if (!personalWordsFile.empty())
        for (const std::string &word : ReadPersonalWords(personalWordsFile))
            checker.Add(word);
    return checker;
}

std::vector<std::string> NamesOf(const std::vector<Dictionary> &dictionaries) {
    std::vector<std::string> names;
    for (const Dictionary &dictionary : dictionaries)
        names.push_back(dictionary.name);
    return names;
}

std::size_t IndexOf(const std::vector<Dictionary> &dictionaries, const Dictionary &dictionary) {
    const auto found =
        std::find_if(dictionaries.begin(), dictionaries.end(),
                     [&](const Dictionary &installed) { return installed.name == dictionary.name; });
    return static_cast<std::size_t>(found - dictionaries.begin());
}

SpellDialog::Texts SpellLabels(const TForm1 &form) {
    return {form.Message(MessageRow::SpellingMenu),    form.Message(MessageRow::NotInDictionary),
            form.Message(MessageRow::ChangeTo),        form.Message(MessageRow::SpellingSuggestions),
            form.Message(MessageRow::DictionaryLabel), form.Message(MessageRow::ChangeWord),
            form.Message(MessageRow::ChangeAllWords),  form.Message(MessageRow::IgnoreWord),
            form.Message(MessageRow::IgnoreAllWords),  form.Message(MessageRow::AddToDictionary),
            form.Message(MessageRow::CloseSpelling)};
}

// The dialog over one unknown word of the selected subtitle.
void AskAboutWord(TForm1 &form, const UnknownWord &unknown, SpellChecker &checker) {
    SpellDialog &dialog = form.SpellDialog1;
    const std::string_view entry = form.SubtitleList()[unknown.subtitle];
    const std::string_view text = ListedFrameLine(entry).text;
    dialog.Labels = SpellLabels(form);
    dialog.Text = std::string(text);
    dialog.WordStart = unknown.offset - (entry.size() - text.size());
    dialog.Word = unknown.word;
    dialog.Suggestions = checker.Suggestions(unknown.word);
    dialog.Replacement = dialog.Suggestions.empty() ? unknown.word : dialog.Suggestions.front();
    dialog.Pressed = SpellDialog::Action::Close;
    form.platform.UI.ExecuteSpelling(dialog);
}

} // namespace

// Each change the user makes is its own step of the history.
void TForm1::EndHistoryStep() {
    History.End(SubtitleList(), EditorStateNow());
    History.Begin(SubtitleList(), EditorStateNow());
}

// Steps through the words no dictionary knows, from the first subtitle on,
// showing each in its subtitle with the dictionary's suggestions.
void TForm1::Ortografia1Click() {
    TextList &list = SubtitleList();
    const std::vector<Dictionary> dictionaries = InstalledDictionaries();
    // Reading every dictionary takes a second or so: the window keeps painting meanwhile.
    DictionaryGuess guess;
    platform.UI.RunLongWork(Message(MessageRow::SpellingMenu),
                            [&](const WorkProgress &progress, Questions &) {
                                guess = GuessDictionary(list, dictionaries);
                                CancellingProgress(progress)(100);
                            });
    for (const std::string &problem : guess.problems)
        platform.UI.ShowMessage(problem);
    if (!guess.dictionary) {
        platform.UI.ShowMessage(Message(MessageRow::NoDictionary) + std::string(kDictionaryFolder));
        return;
    }
    SpellDialog1.Dictionaries = NamesOf(dictionaries);
    SpellDialog1.DictionaryIndex = IndexOf(dictionaries, *guess.dictionary);
    SpellChecker checker = LoadChecker(*guess.dictionary, PersonalWordsFile);
    std::set<std::string, std::less<>> ignored;
    WordSplitter splitter;
    std::size_t subtitle = 0;
    std::size_t offset = 0;
    while (const std::optional<UnknownWord> unknown =
               NextUnknownWord(list, subtitle, offset, checker, ignored, splitter)) {
        PointAtEntry(unknown->subtitle);
        AskAboutWord(*this, *unknown, checker);
        subtitle = unknown->subtitle;
        offset = unknown->offset + unknown->word.size();
        switch (SpellDialog1.Pressed) {
        case SpellDialog::Action::Change: {
            std::string entry(list[subtitle]);
            entry.replace(unknown->offset, unknown->word.size(), SpellDialog1.Replacement);
            list.Set(subtitle, entry);
            offset = unknown->offset + SpellDialog1.Replacement.size();
            EndHistoryStep();
            break;
        }
        case SpellDialog::Action::ChangeAll:
            ReplaceWordEverywhere(list, unknown->word, SpellDialog1.Replacement, splitter);
            offset = unknown->offset + SpellDialog1.Replacement.size();
            EndHistoryStep();
            break;
        case SpellDialog::Action::Ignore:
            break;
        case SpellDialog::Action::IgnoreAll:
            ignored.insert(unknown->word);
            break;
        case SpellDialog::Action::AddWord:
            checker.Add(unknown->word);
            if (!PersonalWordsFile.empty()) {
                try {
                    AddPersonalWord(PersonalWordsFile, unknown->word);
                } catch (const FileError &error) {
                    // The word is still known for the rest of this check.
                    platform.UI.ShowMessage(error.what());
                }
            }
            break;
        case SpellDialog::Action::ChooseDictionary:
            if (SpellDialog1.DictionaryIndex < dictionaries.size())
                checker = LoadChecker(dictionaries[SpellDialog1.DictionaryIndex], PersonalWordsFile);
            offset = 0;
            break;
        case SpellDialog::Action::Close:
            return;
        }
    }
    platform.UI.ShowMessage(Message(MessageRow::SpellingDone));
}
