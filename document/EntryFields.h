#pragma once

#include <string>
#include <string_view>

// What the edit fields show of a selected entry, apart from the window.

// The entry's length in frames as a time at the frame-rate box's rate with
// the delay box's whole seconds. ConvertError when the rate or the delay is
// not a number; NOTE: a delay with a fraction is not, so selecting an entry
// then fails as it always has.
std::string EntryDurationText(std::string_view lengthText, const std::string &fpsText,
                              const std::string &delayText);

// Everything selecting the entry works out, for work that points the user at
// an entry without showing it: it fails where selecting it would.
void WorkOutEntryFields(std::string_view entry, const std::string &fpsText, const std::string &delayText);
