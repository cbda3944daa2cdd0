#pragma once

#include "document/Numbers.h"
#include "tools/VideoSync.h"

#include <optional>
#include <string>

// What the window and the command line share of the sync: the rate the
// frame-rate box times the list by, and the boxes filled from a result.

// The frame-rate box's rate, or nothing when it cannot time the list.
std::optional<Extended> SyncRate(const std::string &fpsText);
// Why the frame-rate box cannot time the list.
std::string UnusableRateMessage(const std::string &fpsText);

// Puts an accepted result into the frame-rate and delay boxes' texts and says
// what changed, in the program's number style: "rate 23,976 -> 25, delay 0 -> +2,40 s".
std::string FillSyncedBoxes(std::string &fpsText, std::string &delayText, const VideoSyncResult &result);
