#include "shell/Unit1.h"

// The frame-rate calculator arrives with the tools change.
void TForm1::CalcularFPS1Click() {}
