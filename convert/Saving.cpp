#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::btGravar1Click() {}
void TForm1::btFormatoClick() {}
