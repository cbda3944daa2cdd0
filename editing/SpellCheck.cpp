#include "editing/SpellCheck.h"

#include "document/Errors.h"
#include "document/FrameLine.h"
#include "document/TextEncoding.h"
#include "document/TextFile.h"
#include "editing/Words.h"

#include <hunspell/hunspell.hxx>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

// CHOICE: the guess reads at most this many words, taken from subtitles
// spread evenly over the list, so guessing a million subtitles costs what a
// short film does; loading the dictionaries is most of its time.
constexpr std::size_t kSampleWords = 400;
constexpr std::size_t kSampleSubtitles = 200;

void CheckReadable(const std::string &fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file || file.peek() == std::ifstream::traits_type::eof())
        throw FileError("Cannot read the dictionary file \"" + fileName + "\"");
}

// The words of a sample of subtitles spread over the list.
std::vector<std::string> SampleWords(const TextList &list) {
    std::vector<std::string> sample;
    WordSplitter splitter;
    const std::size_t stride = std::max<std::size_t>(1, list.Count() / kSampleSubtitles);
    for (std::size_t i = 0; i < list.Count() && sample.size() < kSampleWords; i += stride) {
        const std::string_view text = ListedFrameLine(list[i]).text;
        for (const WordSpan &span : splitter.Words(text))
            if (sample.size() < kSampleWords)
                sample.emplace_back(text.substr(span.offset, span.size));
    }
    return sample;
}

} // namespace

std::vector<Dictionary> InstalledDictionaries(std::string_view folder) {
    std::vector<Dictionary> dictionaries;
    std::error_code error;
    for (fs::directory_iterator it(fs::path(folder), error), end; !error && it != end; it.increment(error)) {
        const fs::path &path = it->path();
        if (path.extension() != ".dic")
            continue;
        fs::path affix = path;
        affix.replace_extension(".aff");
        if (fs::exists(affix, error))
            dictionaries.push_back({path.stem().string(), affix.string(), path.string()});
    }
    std::sort(dictionaries.begin(), dictionaries.end(),
              [](const Dictionary &a, const Dictionary &b) { return a.name < b.name; });
    return dictionaries;
}

std::optional<Dictionary> FindDictionary(const std::vector<Dictionary> &dictionaries, std::string_view name) {
    std::string wanted(name);
    std::replace(wanted.begin(), wanted.end(), '-', '_');
    for (const Dictionary &dictionary : dictionaries)
        if (dictionary.name == wanted)
            return dictionary;
    return std::nullopt;
}

SpellChecker::SpellChecker(const Dictionary &dictionary) : name_(dictionary.name) {
    CheckReadable(dictionary.affixFile);
    CheckReadable(dictionary.wordFile);
    hunspell_ = std::make_unique<Hunspell>(dictionary.affixFile.c_str(), dictionary.wordFile.c_str());
    // CHOICE: every Debian dictionary is UTF-8; one in another encoding would
    // misread every word outside ASCII, so it is refused rather than trusted.
    if (hunspell_->get_dict_encoding() != "UTF-8")
        throw FileError("The dictionary \"" + dictionary.affixFile + "\" is not in UTF-8");
}

SpellChecker::~SpellChecker() = default;
SpellChecker::SpellChecker(SpellChecker &&) noexcept = default;
SpellChecker &SpellChecker::operator=(SpellChecker &&) noexcept = default;

bool SpellChecker::Knows(std::string_view word) const {
    return hunspell_->spell(std::string(word));
}

const std::vector<std::string> &SpellChecker::Suggestions(std::string_view word) {
    auto known = suggestions_.find(word);
    if (known == suggestions_.end())
        known = suggestions_.emplace(std::string(word), hunspell_->suggest(std::string(word))).first;
    return known->second;
}

void SpellChecker::Add(std::string_view word) {
    hunspell_->add(std::string(word));
}

std::vector<UnknownWord> UnknownWords(const TextList &list, const SpellChecker &checker,
                                      const std::set<std::string, std::less<>> &ignored) {
    std::vector<UnknownWord> unknown;
    WordSplitter splitter;
    // A film repeats its words; each is looked up once.
    std::map<std::string, bool, std::less<>> known;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const std::string_view entry = list[i];
        const std::string_view text = ListedFrameLine(entry).text;
        const std::size_t textOffset = entry.size() - text.size();
        for (const WordSpan &span : splitter.Words(text)) {
            const std::string_view word = text.substr(span.offset, span.size);
            if (ignored.count(word) != 0)
                continue;
            auto seen = known.find(word);
            if (seen == known.end())
                seen = known.emplace(std::string(word), checker.Knows(word)).first;
            if (!seen->second)
                unknown.push_back({i, textOffset + span.offset, std::string(word)});
        }
    }
    return unknown;
}

DictionaryGuess GuessDictionary(const TextList &list, const std::vector<Dictionary> &dictionaries) {
    DictionaryGuess guess;
    // Languages that share their files (es_AR, es_MX ... links to es_ES) are
    // read once, under the name of the files themselves.
    std::vector<const Dictionary *> distinct;
    std::vector<fs::path> files;
    for (const bool linked : {false, true})
        for (const Dictionary &dictionary : dictionaries) {
            std::error_code error;
            if (fs::is_symlink(dictionary.wordFile, error) != linked)
                continue;
            const fs::path file = fs::canonical(dictionary.wordFile, error);
            if (!error && std::find(files.begin(), files.end(), file) != files.end())
                continue;
            files.push_back(file);
            distinct.push_back(&dictionary);
        }
    const std::vector<std::string> sample = SampleWords(list);
    std::vector<std::size_t> knownWords(distinct.size(), 0);
    std::vector<std::string> problems(distinct.size());
    {
        std::vector<std::jthread> loaders;
        for (std::size_t d = 0; d < distinct.size(); ++d)
            loaders.emplace_back([&, d] {
                try {
                    const SpellChecker checker(*distinct[d]);
                    knownWords[d] = static_cast<std::size_t>(
                        std::count_if(sample.begin(), sample.end(),
                                      [&](const std::string &word) { return checker.Knows(word); }));
                } catch (const FileError &error) {
                    problems[d] = error.what();
                }
            });
    }
    std::size_t best = 0;
    for (std::size_t d = 0; d < distinct.size(); ++d) {
        if (!problems[d].empty()) {
            guess.problems.push_back(problems[d]);
            continue;
        }
        if (!guess.dictionary || knownWords[d] > best) {
            guess.dictionary = *distinct[d];
            best = knownWords[d];
        }
    }
    return guess;
}

std::vector<std::string> ReadPersonalWords(const std::string &fileName) {
    std::error_code error;
    if (!fs::exists(fs::path(fileName), error))
        return {};
    std::vector<std::string> words;
    try {
        for (const std::string_view line : ReadTextFile(fileName).lines)
            if (!line.empty())
                words.emplace_back(line);
    } catch (const FileError &) {
        // A word list that cannot be read adds nothing: the dictionary alone judges.
        return {};
    }
    return words;
}

void AddPersonalWord(const std::string &fileName, std::string_view word) {
    std::error_code error;
    // A list that exists but cannot be read throws here rather than being written over.
    TextList words = fs::exists(fs::path(fileName), error) ? ReadTextFile(fileName).lines : TextList{};
    words.Add(word);
    fs::create_directories(fs::path(fileName).parent_path(), error);
    WriteTextFile(fileName, words, Utf8Encoding());
}
