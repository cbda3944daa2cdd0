#include "shell/Unit1.h"

// Editing the selected subtitle arrives with the editing change.
void TForm1::ListBox1DblClick() {}
void TForm1::Edit5Exit() {}
void TForm1::Edit6Exit() {}
void TForm1::UpDown1Click() {}
void TForm1::UpDown2Click() {}
void TForm1::Combobox2Exit() {}
