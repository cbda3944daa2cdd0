#pragma once

#include "document/TextList.h"

#include <string>
#include <string_view>

// One box as one line on standard error: "label: TEXT" plus the suffix. The
// text is cp1252 and is written as UTF-8, each CR or LF in it as a blank.
void ReportBox(std::string_view label, std::string_view text, std::string_view suffix);

// A problem of the command line itself (usage, output), already UTF-8.
void ReportProblem(std::string_view text);

// Writes every line followed by lineEnd to standard output; false when that fails.
bool WriteLinesToStandardOutput(const TextList &lines, std::string_view lineEnd);

// Copies a file's bytes to standard output; false when reading or writing fails.
bool CopyFileToStandardOutput(const std::string &fileName);

// Copies standard input to a new file; false when reading or writing fails.
bool CopyStandardInputToFile(const std::string &fileName);
