#pragma once

#include "document/Numbers.h"
#include "tools/AviFile.h"

#include <string>

// The general format with 5 significant digits in which the tools show
// rates and sizes: "44,1", "48", "1,2346E+005".
std::string ShortNumber(Extended value);

// The text of the AVI information box; its lines end with LF CR.
std::string AviReport(const TAVIFileInfo &info);
