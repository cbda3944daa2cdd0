#include "formats/ExtensionRules.h"

const std::array<ExtensionRule, 8> kExtensionRules{{
    {"SRT", ImportSubRip},
    {"STL", ImportSpruceStl},
    // The MPlayer 1 importer hands files of the second kind to the MPlayer 2 importer.
    {"MPL", ImportMPlayer1},
    // The SubStation Alpha importer hands scripts of the advanced kind on.
    {"SSA", ImportSubStationAlpha},
    {"ASS", ImportAdvancedSubStationAlpha},
    {"SON", ImportSpruceDVDMaestro},
    {"PSB", ImportPowerDivX},
    {"SBT", ImportSBT},
}};

std::string FileExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    std::string extension(dot == std::string_view::npos ? path : path.substr(dot + 1));
    // Only ASCII letters can make up an extension the rules know.
    for (char &c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return extension;
}

void ImportByExtension(ImportContext &ctx, std::string_view extension, std::string &firstLine,
                       std::string &secondLine, std::string &formatName) {
    for (const ExtensionRule &rule : kExtensionRules)
        if (rule.extension == extension)
            rule.importer(ctx, firstLine, secondLine, formatName);
}
