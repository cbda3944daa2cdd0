#include "formats/SubRipWriter.h"

#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"

#include <algorithm>

void AppendSubRipBlock(LineOut &memoLines, std::size_t number, std::string_view frameLine,
                       Extended delaySeconds, Extended fps) {
    const FrameLineViews source = CutFrameLine(frameLine);
    // Both times first: an entry that does not convert adds nothing.
    std::string timeLine = FramesToTime(source.startText, delaySeconds, fps);
    timeLine += " --> ";
    timeLine += FramesToTime(source.endText, delaySeconds, fps);

    memoLines.Add(IntToStr(static_cast<long long>(number)));
    memoLines.Add(timeLine);
    std::string_view text = source.text;
    for (std::size_t bar = text.find('|'); bar != std::string_view::npos; bar = text.find('|')) {
        memoLines.Add(text.substr(0, bar));
        text.remove_prefix(bar + 1);
    }
    memoLines.Add(text);
    memoLines.Add({});
}

int ConversionProgress(std::size_t index, std::size_t count) {
    if (count <= 1)
        return 100;
    return static_cast<int>(index * 100 / (count - 1));
}

std::size_t SubRipSubtitleOf(const TextList &memoLines, std::size_t line) {
    for (std::size_t i = std::min(line + 1, memoLines.Count()); i-- > 0;) {
        if (i + 1 >= memoLines.Count() || memoLines.Item(i + 1).find("-->") == std::string_view::npos)
            continue;
        if (const std::optional<int> number = TryStrToInt(memoLines.Item(i)); number && *number > 0)
            return static_cast<std::size_t>(*number);
    }
    return line + 1;
}
