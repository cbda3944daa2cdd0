#pragma once

#include "document/TextEncoding.h"
#include "document/TextList.h"

#include <optional>
#include <string>
#include <string_view>

// One box as one line on standard error: "label: TEXT" plus the suffix, in
// UTF-8, each CR or LF in the text as a blank.
void ReportBox(std::string_view label, std::string_view text, std::string_view suffix);

// A problem of the command line itself (usage, output), already UTF-8.
void ReportProblem(std::string_view text);

// Writes every line followed by lineEnd to standard output in the encoding,
// after its byte-order mark; false when that fails. The lines are known to
// fit the encoding.
bool WriteLinesToStandardOutput(const TextList &lines, std::string_view lineEnd,
                                const TextEncoding &encoding);

// All of standard input; nothing when reading it fails.
std::optional<std::string> ReadStandardInput();
