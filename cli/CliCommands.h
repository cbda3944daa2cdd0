#pragma once

#include "cli/CliOptions.h"

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1; // not read, unknown format, a step failed, output not written
constexpr int kExitUsage = 2;

// Opens each file, runs the command's steps and writes the result. Returns
// the exit status.
int RunCommand(const CliOptions &options);
