#pragma once

#include "formats/Importers.h"

#include <span>
#include <string_view>

// A test on the first two lines of a file (l1, l2) that chooses a format by
// its content. Rules are tried in the order of their numbers. Character
// positions count from 1; a line too short for a position differs from
// every literal there.
struct ContentRule {
    int number; // 0: the content never chooses the format
    bool (*holds)(std::string_view l1, std::string_view l2);
};

// Everything the program knows about one format it reads. The recognition
// by extension and by content, the open dialog's filter, the desktop entry's
// MIME types and the fuzz targets are all built from these rows; the build
// reads the key, the MIME type and the importer off the first line of each
// row, and compiles formats/<importer without "Import">.cpp.
struct InputFormat {
    std::string_view key;        // names the format's fuzz target
    std::string_view mimeType;   // listed in the desktop entry
    Importer *importer;          // nullptr: the opener reads the file itself
    std::string_view extensions; // upper-case, ";" between them; a file with one goes to the importer first
    std::string_view name;       // the open dialog's description
    std::string_view patterns;   // the open dialog's patterns
    ContentRule rule;
};

// Calls `each` with every item of a ";"-separated list (extensions, patterns).
template <typename Each> void ForEachListed(std::string_view list, Each each) {
    while (!list.empty()) {
        const std::size_t semicolon = list.find(';');
        each(list.substr(0, semicolon));
        list = semicolon == std::string_view::npos ? std::string_view{} : list.substr(semicolon + 1);
    }
}

// In the order of the open dialog's filter.
extern const std::span<const InputFormat> kInputFormats;

// The importer of the format with this key; nullptr for none.
Importer *ImporterOf(std::string_view key);
