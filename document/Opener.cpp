#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::btAbrirClick() {}
void TForm1::btNovoClick() {}
void TForm1::btOriginalClick() {}
void TForm1::NormaliseMarkup() {}
