#pragma once

#include "cli/CliOptions.h"
#include "cli/ExitCodes.h"

// Opens each file, runs the command's steps and writes the result. Returns
// the exit status.
int RunCommand(const CliOptions &options);
