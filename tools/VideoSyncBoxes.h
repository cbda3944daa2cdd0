#pragma once

#include "document/Numbers.h"
#include "tools/VideoSync.h"

#include <optional>
#include <string>

class TForm1;

// What the window and the command line share of the sync: the rate the
// frame-rate box times the list by, and the boxes filled from a result.

// The frame-rate box's rate, or nothing when it cannot time the list.
std::optional<Extended> SyncRate(const TForm1 &form);
// Why the frame-rate box cannot time the list.
std::string UnusableRateMessage(const TForm1 &form);

// Puts an accepted result into the frame-rate and delay boxes and says what
// changed, in the program's number style: "rate 23,976 -> 25, delay 0 -> +2,40 s".
std::string FillSyncedBoxes(TForm1 &form, const VideoSyncResult &result);
