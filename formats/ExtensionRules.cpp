#include "formats/ExtensionRules.h"

#include "formats/InputFormats.h"

std::string FileExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    std::string extension(dot == std::string_view::npos ? path : path.substr(dot + 1));
    // Only ASCII letters can make up an extension the rules know.
    for (char &c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return extension;
}

bool ClaimsExtension(const InputFormat &format, std::string_view extension) {
    bool claimed = false;
    ForEachListed(format.extensions,
                  [&](std::string_view listed) { claimed = claimed || listed == extension; });
    return claimed;
}

void ImportByExtension(ImportContext &ctx, std::string_view extension, std::string &firstLine,
                       std::string &secondLine, std::string &formatName) {
    for (const InputFormat &format : kInputFormats)
        if (ClaimsExtension(format, extension))
            format.importer(ctx, firstLine, secondLine, formatName);
}
