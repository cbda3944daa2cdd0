#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::btConvertClick() {}
