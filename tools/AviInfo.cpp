#include "shell/Unit1.h"

// The AVI header report arrives with the tools change.
void TForm1::btAVIInfoClick() {}
