#pragma once

#include "formats/InputFormats.h"

#include <string>
#include <string_view>

// The whole path upper-cased with everything up to and including its last
// "." removed; a path without "." stays whole.
// NOTE: the last "." may belong to a folder name, and then the "extension"
// holds the rest of the path; it matches no rule.
std::string FileExtension(std::string_view path);

// Whether the extension is one of the format's.
bool ClaimsExtension(const InputFormat &format, std::string_view extension);

// Hands the file to the importer of the format that claims the extension, if one does.
void ImportByExtension(ImportContext &ctx, std::string_view extension, std::string &firstLine,
                       std::string &secondLine, std::string &formatName);
