#include "shell/Unit1.h"

// Subtitle properties and the status-bar link arrive with the statistics change.
void TForm1::PropriedadesClick() {}
void TForm1::StatusBar1MouseDown() {}
void TForm1::StatusBar1MouseMove() {}
