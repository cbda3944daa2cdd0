#include "shell/Unit1.h"

// Fitting to the player's limits arrives with the limits check.
void TForm1::bt60Max() {}
