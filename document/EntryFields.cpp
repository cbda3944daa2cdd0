#include "document/EntryFields.h"

#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"

#include <optional>

std::string EntryDurationText(std::string_view lengthText, const std::string &fpsText,
                              const std::string &delayText) {
    const Extended fps = StrToFloat(fpsText);
    const int delay = StrToInt(delayText);
    return FramesToTime(lengthText, delay, fps);
}

void WorkOutEntryFields(std::string_view entry, const std::string &fpsText, const std::string &delayText) {
    const std::optional<FrameLineBoundTexts> bounds = SelectionBounds(entry);
    if (!bounds)
        return;
    const int start = StrToInt(bounds->startText);
    const int end = StrToInt(bounds->endText);
    EntryDurationText(IntToStr(static_cast<long long>(end) - start), fpsText, delayText);
}
