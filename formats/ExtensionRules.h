#pragma once

#include "formats/Importers.h"

#include <array>
#include <string>
#include <string_view>

// Recognition by the file's extension, tried before the content rules.
struct ExtensionRule {
    std::string_view extension;
    Importer *importer;
};

extern const std::array<ExtensionRule, 8> kExtensionRules;

// The whole path upper-cased with everything up to and including its last
// "." removed; a path without "." stays whole.
// NOTE: the last "." may belong to a folder name, and then the "extension"
// holds the rest of the path; it matches no rule.
std::string FileExtension(std::string_view path);

// Tries every extension rule in order against the extension.
void ImportByExtension(ImportContext &ctx, std::string_view extension, std::string &firstLine,
                       std::string &secondLine, std::string &formatName);
