#pragma once

#include <string>

class TForm1;

// sync --video MEDIA: aligns the open list to the video's speech and fills
// the frame-rate and delay boxes with the result, saying on standard error
// what was found ("sync: fps 23,976 delay -2,40"). False, with the reason on
// standard error, when nothing was changed.
bool SyncBoxesToVideo(TForm1 &form, const std::string &videoFile);
