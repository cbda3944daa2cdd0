#include "document/TextWidth.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextWidth, CountsCharactersAsTheReaderSeesThem) {
    // text, width, bytes of the widest start within 3.
    const struct {
        std::string text;
        long long width;
        std::size_t within3;
    } cases[] = {
        {"", 0, 0},
        {"Hello", 5, 3},
        {"abe\u0301x", 4, 5},                                   // an accent on the last letter that fits
        {"e\u0301te\u0301", 3, 7},                              // e + combining acute is one
        {"\U0001F44D\U0001F3FD!", 3, 9},                        // thumbs up, skin tone: one wide
        {"\U0001F468\u200D\U0001F469\u200D\U0001F467x", 3, 19}, // a family joined by ZWJ: one wide
        {"你好世", 6, 3},                                       // Chinese: two columns each
        {"ＡＢa", 5, 3},                                        // fullwidth letters too
        {"Привет", 6, 6},                                       // Cyrillic: one each, two bytes each
        {"caf\xE9 \xE0\xA0x", 8, 3},                            // each invalid byte is one
        {"\xF0\x9F\x91", 3, 3},                                 // a cut-off sequence too
        {"a\xE9\u0301", 3, 4},                                  // a mark after a bad byte stands alone
        {"ação", 4, 5},                                         // accented Latin letters: one each
        {"ñ\u0303x", 2, 5},                                     // and one with a mark after it
        {"x\xC3", 2, 2},                                        // a lead byte with nothing after it
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TextWidth(c.text), c.width) << c.text;
        EXPECT_EQ(WidthPrefix(c.text, 3), c.within3) << c.text;
    }
    EXPECT_EQ(WidthPrefix("abc", 0) + WidthPrefix("abc", -5), 0u);
    EXPECT_EQ(WidthPrefix("你好", 1), 0u);
}

TEST(TextWidth, BreaksBetweenCjkCharacters) {
    // text, its first and last break (offsets in bytes; 0 for none).
    const struct {
        std::string text;
        std::size_t first, last;
    } cases[] = {
        {"你好世界", 3, 9},             // ideographs
        {"こんにちは", 3, 12},          // hiragana
        {"안녕하세요", 3, 12},          // hangul
        {"「你」好", 9, 9},             // not after 「, not before 」
        {"好。你！", 6, 6},             // after 。, never before ！
        {"コーヒー", 6, 6},             // never before the sound mark ー
        {"ちょっと", 9, 9},             // nor before a small kana
        {"你 好", 0, 0},                // a space is no CJK break
        {"ab你", 0, 0},                 // nor a Latin letter before one
        {"\U0001F600\U0001F600", 0, 0}, // nor between emoji
        {"你\xE9好", 0, 0},             // nor around a bad byte
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FirstCjkBreak(c.text), c.first) << c.text;
        EXPECT_EQ(LastCjkBreak(c.text, c.text.size()), c.last) << c.text;
    }
    EXPECT_EQ(LastCjkBreak("你好世界", 8), 6u);
    EXPECT_TRUE(CjkBreakBetween("你好", "世"));
    EXPECT_FALSE(CjkBreakBetween("你", "。") || CjkBreakBetween("ab", "世") || CjkBreakBetween("你", ""));
}

} // namespace
