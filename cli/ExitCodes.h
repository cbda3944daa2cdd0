#pragma once

// The command line's exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1; // not read, unknown format, a step failed, output not written
constexpr int kExitUsage = 2;
