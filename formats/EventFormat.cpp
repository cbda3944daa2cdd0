#include "formats/EventFormat.h"

#include "formats/ImportSteps.h"

#include <cctype>
#include <cstddef>

namespace {
std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool StartsNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && SameNoCase(text.substr(0, start.size()), start);
}

// The fields named after "Format:"; a name missing from it keeps the usual place.
EventFormat ReadFormat(std::string_view names) {
    EventFormat format;
    int index = 0;
    for (;; ++index) {
        const auto comma = names.find(',');
        const std::string_view name = Trimmed(names.substr(0, comma));
        if (SameNoCase(name, "Start"))
            format.start = index;
        else if (SameNoCase(name, "End"))
            format.end = index;
        if (comma == std::string_view::npos)
            break;
        names.remove_prefix(comma + 1);
    }
    format.textCommas = index;
    return format;
}
} // namespace

bool EventFormatReader::See(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
        inEvents_ = SameNoCase(trimmed, "[Events]");
        return false;
    }
    if (!inEvents_ || !StartsNoCase(trimmed, "Format:"))
        return false;
    format_ = ReadFormat(trimmed.substr(7));
    return true;
}

std::string_view EventField(std::string_view line, int index) {
    // The first field follows the line's "Dialogue:".
    const auto field = index == 0 ? AfterFirst(line, ':') : AfterCommas(line, index);
    if (!field)
        return {};
    return Trimmed(field->substr(0, field->find(',')));
}
