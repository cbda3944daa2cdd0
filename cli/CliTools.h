#pragma once

#include "cli/CliOptions.h"

// The tools that need no subtitle file. Each returns the exit status.

// avi-info FILE: the report of the window's "AVI Info" button on standard output.
int RunAviInfo(const CliOptions &options);

// fps "FRAME,hh:mm:ss": the frame-rate calculator's rate on standard output.
int RunFps(const CliOptions &options);

// video-info FILE: what the media library reads from a film, one fact a line.
int RunVideoInfo(const CliOptions &options);

// formats: the formats read and the formats written, with their keys, on standard output.
int RunFormats();
