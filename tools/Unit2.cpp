#include "tools/Unit2.h"

TForm2::TForm2() : Caption("Windows Media Player (Video)") {}
