#include "shell/Unit1.h"

// The multi-rate batch arrives with its own change.
void TForm1::btMultiClick() {}
