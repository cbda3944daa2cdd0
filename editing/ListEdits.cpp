#include "editing/ListEdits.h"

#include "document/Chars.h"
#include "document/FrameLine.h"
#include "document/NumText.h"

namespace {

constexpr std::string_view kTitleFrames = "{2}{100}";

} // namespace

// CHOICE: frames beyond 32 bits are a conversion error before anything is shown.
InsertedFrames FramesAfter(std::string_view selected, std::string_view next) {
    int curStart = 0;
    int curEnd = 0;
    int nextStart = 0;
    int nextEnd = 0;
    FrameLineFrames(selected, curStart, curEnd);
    FrameLineFrames(next, nextStart, nextEnd);
    const long long end = curEnd;
    const bool crowded = end + 50 > nextStart;
    const long long first = crowded ? end + 1 : end + 25;
    const long long last = crowded ? end + 2 : end + 50;
    return {ToInt32(static_cast<Extended>(first)), ToInt32(static_cast<Extended>(last)), crowded};
}

TextList WithLetterCase(const TextList &list, LetterCase to) {
    TextList changed;
    changed.Reserve(list.Count());
    std::string line;
    for (const std::string_view original : list) {
        line.assign(original);
        ChangeCase(line, to);
        changed.Add(line);
    }
    return changed;
}

bool IsTitleLine(std::string_view entry) {
    return CharsAre(entry, 1, kTitleFrames);
}

// CHOICE: a title line must end after frame 2; a first subtitle at frame 3
// or earlier leaves no room for one.
std::optional<int> TitleLineEnd(int firstStart) {
    const long long end = firstStart >= 100 ? 100 : static_cast<long long>(firstStart) - 1;
    if (end <= kTitleLineStart)
        return std::nullopt;
    return static_cast<int>(end);
}
