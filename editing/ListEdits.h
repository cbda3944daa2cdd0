#pragma once

#include "document/LetterCase.h"
#include "document/TextList.h"

#include <optional>
#include <string_view>

// Edits of the subtitle list apart from the window: what they make from
// the entries they are given.

// The frames of an entry put after `selected`, which `next` follows: from
// 25 to 50 frames after the selected one's end when the next one starts at
// least 50 frames after that end; otherwise, crowded, the two frames right
// after it. Sums run in 64 bits; ConvertError for frames that are not whole
// numbers or a result beyond 32 bits.
struct InsertedFrames {
    int start;
    int end;
    bool crowded;
};
InsertedFrames FramesAfter(std::string_view selected, std::string_view next);

// Every FrameLine of the list in the letter case asked for; digits and
// braces stay. Each line is copied once, even when its storage is shared
// with other lists.
TextList WithLetterCase(const TextList &list, LetterCase to);

// The frames a title line is recognised by when it is deleted as entry 0.
bool IsTitleLine(std::string_view entry);

// A title line starts at frame 2 and ends at frame 100, or just before the
// first subtitle when that starts sooner (`firstStart`). Nothing when it
// would not end after frame 2.
constexpr int kTitleLineStart = 2;
std::optional<int> TitleLineEnd(int firstStart);
