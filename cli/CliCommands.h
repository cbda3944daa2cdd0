#pragma once

#include "cli/CliOptions.h"

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1; // not read, unknown format, a handler failed, output not written
constexpr int kExitUsage = 2;

// Opens the file in a window model of its own, runs the command's handlers
// and writes the result. Returns the exit status.
int RunCommand(const CliOptions &options);
