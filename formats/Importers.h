#pragma once

#include "formats/ImportContext.h"

#include <string>

// The shape of every importer. firstLine and secondLine are the file's first
// two lines as the opener saw them, or "OK" when the extension chose the
// importer. An importer that accepts the file fills ctx.ImportBuffer with an
// FpsHeaderLine and one FrameLine per subtitle and calls ctx.HandOver, which
// empties both lines and sets formatName. One that declines returns with the
// context and the three strings unchanged. Handing a file on to another
// importer is a direct call with the same arguments.
using Importer = void(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                      std::string &formatName);

// Every importer of the format table, one declaration per row.
#include "formats/ImporterDeclarations.h"
