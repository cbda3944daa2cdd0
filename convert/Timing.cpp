#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::CheckTiming() {}
void TForm1::CorrectTiming() {}
void TForm1::GoToFirstTimingError() {}
void TForm1::btAutoClick() {}
