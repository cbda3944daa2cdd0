#pragma once

#include "formats/Importers.h"

#include <array>
#include <string>
#include <string_view>

// Recognition by content: a rule is a test on the first two lines of the
// file (l1, l2) and the importer it calls when the test holds. Character
// positions count from 1; a line too short for a position differs from
// every literal there.
struct RecognitionRule {
    int number;
    bool (*holds)(std::string_view l1, std::string_view l2);
    Importer *importer;
};

extern const std::array<RecognitionRule, 23> kRecognitionRules;

// Tries every rule in order, each on the lines as they stand when its turn
// comes: an importer that accepts empties both lines, so no later rule holds.
void ImportByContent(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                     std::string &formatName);
