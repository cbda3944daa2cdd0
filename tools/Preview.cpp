#include "shell/Unit1.h"

// The preview window arrives with the tools change.
void TForm1::SpeedButton1Click() {}
