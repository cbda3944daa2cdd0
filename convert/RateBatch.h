#pragma once

#include "convert/TimingQuestions.h"
#include "document/Questions.h"
#include "document/TextList.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The multi-rate batch: the list fitted, converted and saved at each of
// seven rates in turn, as Test1.srt to Test7.srt.

struct RateBatchRequest {
    // The lines per subtitle of the limits, when the list is fitted before each pass.
    std::optional<int> fitLines;
    int maxLine = 34;
    int maxTotal = 60;
    std::string delayText;
    std::uint8_t language = 1;
    // Hears the entries that fitting and declined corrections point at.
    EntryPointedAt pointedAt;
};

// Writes one pass's SubRip text to the named file; false when it was not written.
using SaveSubRip = std::function<bool(const std::string &fileName, const TextList &subRip)>;

// Runs the passes on the list, which keeps what fitting and correction made
// of it. Only the last conversion says "Success". A pass whose file is not
// written ends the batch; a failure throws as the conversion does.
// passBegins, when given, hears each pass's rate before the pass runs;
// progress hears how far the whole batch has come, 0 to 100.
void RunRateBatch(TextList &frameLines, const RateBatchRequest &request, Questions &questions,
                  const SaveSubRip &save, const std::function<void(double fps)> &passBegins = {},
                  const std::function<void(int)> &progress = {});
