#include "cli/CliSpell.h"

#include "cli/CliOutput.h"
#include "document/Errors.h"
#include "editing/SpellCheck.h"
#include "editing/SpellSteps.h"

#include <cstdio>

namespace {

std::string InstalledNames(const std::vector<Dictionary> &dictionaries) {
    std::string names;
    for (const Dictionary &dictionary : dictionaries)
        names += (names.empty() ? "" : " ") + dictionary.name;
    return names.empty() ? "none" : names;
}

// The named dictionary, or the one that knows the list best when it is not
// named or cannot be read.
std::optional<SpellChecker> ChosenChecker(const TextList &list, const std::optional<std::string> &name) {
    const std::vector<Dictionary> dictionaries = InstalledDictionaries();
    if (name) {
        try {
            return SpellChecker(*FindDictionary(dictionaries, *name));
        } catch (const FileError &error) {
            ReportProblem(std::string(error.what()) + "; the dictionary that knows the list best is used");
        }
    }
    const DictionaryGuess guess = GuessDictionary(list, dictionaries);
    for (const std::string &problem : guess.problems)
        ReportProblem(problem);
    if (!guess.dictionary) {
        ReportProblem("no dictionary could be read in " + std::string(kDictionaryFolder));
        return std::nullopt;
    }
    return SpellChecker(*guess.dictionary);
}

} // namespace

bool DictionaryInstalled(const std::string &name) {
    const std::vector<Dictionary> dictionaries = InstalledDictionaries();
    if (FindDictionary(dictionaries, name))
        return true;
    ReportProblem("no dictionary '" + name + "' is installed; installed: " + InstalledNames(dictionaries));
    return false;
}

std::optional<TextList> SpellReport(const TextList &list, const std::optional<std::string> &dictionaryName) {
    std::optional<SpellChecker> checker = ChosenChecker(list, dictionaryName);
    if (!checker)
        return std::nullopt;
    // The words the user added in the window count here too.
    if (const std::string personal = DefaultPersonalWordsFile(); !personal.empty())
        for (const std::string &word : ReadPersonalWords(personal))
            checker->Add(word);
    std::fputs(("dictionary: " + checker->Name() + "\n").c_str(), stderr);
    TextList report;
    for (const UnknownWord &unknown : UnknownWords(list, *checker)) {
        std::string line = std::to_string(unknown.subtitle + 1) + "\t" + unknown.word + "\t";
        const std::vector<std::string> &suggestions = checker->Suggestions(unknown.word);
        for (std::size_t i = 0; i < suggestions.size(); ++i)
            line += (i == 0 ? "" : ", ") + suggestions[i];
        report.Add(line);
    }
    return report;
}
