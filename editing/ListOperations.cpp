#include "shell/Unit1.h"

// The list operations arrive with their own change.
void TForm1::bt_IDClick() {}
void TForm1::btInsertClick() {}
void TForm1::EliminarClick() {}
void TForm1::btCopyClick() {}
void TForm1::btPastClick() {}
void TForm1::Uppercase1Click() {}
void TForm1::AnsiUppercase1Click() {}
void TForm1::Lowercase1Click() {}
void TForm1::AnsiLowercase1Click() {}
void TForm1::ListBox1KeyDown(int) {}
