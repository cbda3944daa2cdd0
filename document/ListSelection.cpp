#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::ListBox1Click() {}
void TForm1::ListBox1Exit() {}
