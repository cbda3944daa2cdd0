#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

// Where a word stands in a text, in bytes of its UTF-8.
struct WordSpan {
    std::size_t offset = 0;
    std::size_t size = 0;
    friend bool operator==(const WordSpan &, const WordSpan &) = default;
};

// Finds the words of subtitle texts with ICU's word breaks: letters (and
// the apostrophes and marks within a word), never numbers, words holding a
// digit, or what stands inside markup tags ("<i>"). One splitter is made
// once and used for every subtitle, as making ICU's break rules costs more
// than splitting a line.
class WordSplitter {
public:
    WordSplitter();
    ~WordSplitter();
    WordSplitter(const WordSplitter &) = delete;
    WordSplitter &operator=(const WordSplitter &) = delete;

    std::vector<WordSpan> Words(std::string_view text);

private:
    struct Breaks;
    std::unique_ptr<Breaks> breaks_;
};
