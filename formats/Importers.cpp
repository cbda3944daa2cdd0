#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::ImportSubRip(std::string&, std::string&, std::string&) {}
