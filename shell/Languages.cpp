#include "shell/Unit1.h"

// PLACEHOLDER
void TForm1::ApplyLanguage(std::uint8_t) {}
void TForm1::Portugus1Click() {}
void TForm1::Ingls1Click() {}
void TForm1::Danis1Click() {}
void TForm1::Espanhol2Click() {}
