#pragma once

#include "document/TextList.h"

#include <string>

// sync --video MEDIA: aligns the open list to the video's speech and puts
// the result into the frame-rate and delay texts, saying on standard error
// what was found ("sync: fps 23,976 delay -2,40"). False, with the reason on
// standard error, when nothing was changed.
bool SyncBoxesToVideo(std::string &fpsText, std::string &delayText, const TextList &frameLines,
                      const std::string &videoFile);
