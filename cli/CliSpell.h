#pragma once

#include "document/TextList.h"

#include <optional>
#include <string>

// Whether --dictionary names an installed dictionary; when it does not, the
// installed ones are listed on standard error.
bool DictionaryInstalled(const std::string &name);

// spell: one line per word of the list's text the dictionary does not know,
// "SUBTITLE<TAB>WORD<TAB>SUGGESTION, SUGGESTION, ...", subtitles counted
// from 1. Standard error names the dictionary used and every one that could
// not be read; nothing when no dictionary could be.
std::optional<TextList> SpellReport(const TextList &list, const std::optional<std::string> &dictionaryName);
