#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::ReadSettings() {}
void TForm1::ComboBox1Change() {}
void TForm1::Edit3Exit() {}
void TForm1::Edit4Exit() {}
void TForm1::ComboBox3Exit() {}
void TForm1::ActivarosAlertas1Click() {}
void TForm1::Font1Click() {}
