#pragma once

#include "formats/Importers.h"

#include <string_view>

// Runs one importer on outside bytes the way the opener does: the bytes read
// as a text file, empty lines taken off the top, the first two lines handed
// in. Questions are answered Yes and No in turn, the rate and the alerts
// vary with the input. A number text that does not convert is an allowed
// outcome; any other failure that escapes, or a sanitizer finding, is a fault.
// ImportFuzz.cpp is the target of every importer.
int FuzzImporter(Importer &importer, const unsigned char *data, std::size_t size);
