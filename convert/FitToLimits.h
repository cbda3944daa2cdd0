#pragma once

#include "convert/LimitFitting.h"
#include "convert/TimingQuestions.h"
#include "document/Questions.h"
#include "document/TextList.h"

#include <cstdint>
#include <functional>
#include <optional>

// Fitting a list to a player's limits as the limits button does, apart from the window.

// The list without its empty entries, fitted pass after pass while a pass
// leaves some subtitle a rest that did not fit in its groups; each pass's
// notices are told. progress hears how far each pass has come, 0 to 100.
TextList FittedToLimits(const TextList &frameLines, const FitLimits &limits, Questions &questions,
                        std::uint8_t language, const std::function<void(int)> &progress = {});

// The list fitted in place, then its first timing fault, if any, told and pointed at.
void FitListToLimits(TextList &frameLines, const FitLimits &limits, Questions &questions,
                     std::uint8_t language, const EntryPointedAt &pointedAt = {});

// The line count of the limits box ("2" or "3"); nothing for any other text,
// which fits nothing.
std::optional<int> FitLineCount(const std::string &boxText);
