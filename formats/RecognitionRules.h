#pragma once

#include "formats/InputFormats.h"

#include <span>
#include <string>

// A content rule with the importer of its format.
struct RecognitionRule {
    int number;
    bool (*holds)(std::string_view l1, std::string_view l2);
    Importer *importer;
};

// Every format's content rule, in the order of the rule numbers.
std::span<const RecognitionRule> RecognitionOrder();

// Tries every rule in order, each on the lines as they stand when its turn
// comes: an importer that accepts empties both lines, so no later rule holds.
void ImportByContent(ImportContext &ctx, std::string &firstLine, std::string &secondLine,
                     std::string &formatName);
