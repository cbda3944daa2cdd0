#pragma once

#include "shell/Platform.h"

#include <cstdint>
#include <string>

// Runs long work on a thread of its own under a modal progress bar with a
// Cancel button, and returns when the work has ended. The window keeps
// painting and answering the desktop meanwhile; the bar keeps other input
// away. The work's questions are put to `questions` on the window's thread
// while the work waits. A failure of the work is thrown again here, on the
// window's thread. The bar's own texts are in the interface language.
void RunOffThread(const std::string &caption, const LongWork &work, Questions &questions,
                  std::uint8_t language);
