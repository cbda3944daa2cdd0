#pragma once

#include "formats/ImportContext.h"

#include <cstddef>
#include <string>
#include <string_view>

// Steps the importers of formats with clock times on fixed lines share.

// The start of an import: the ImportBuffer emptied, the same-rate reminder
// when alerts are on, and the FpsHeaderLine as its first line.
void StartImport(ImportContext &ctx, const std::string &fpsHeaderLine);

// Deletes lines from the top up to and including the first one that is
// `marker`; all of them when no line is.
void DeleteThrough(WorkLines &work, std::string_view marker);

// Deletes the top line when there is one and it is `line`.
void DeleteTopIf(WorkLines &work, std::string_view line);

// The characters from `from` (counted from 1) to the end of the line; empty
// when the line is shorter.
std::string_view CharsFrom(std::string_view line, std::size_t from);

// One subtitle whose times convert at the rate of the frame-rate box, read
// anew for every subtitle.
void AddAtBoxRate(ImportContext &ctx, std::string_view startTime, std::string_view endTime,
                  std::string_view text);
