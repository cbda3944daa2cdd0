#pragma once

#include "document/Questions.h"
#include "document/TextList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The timing check as the work of opening, converting and fitting meets it:
// the faults found, the correction offered, the first fault told.

// The faults of a list (see FindTimingFaults); an empty list has none.
TextList TimingFaultsOf(const TextList &frameLines);

// The message that points at a faulty entry, followed by the entry itself.
std::string TimingFaultText(std::string_view entry, std::uint8_t language);

// Work that points the user at an entry of its list names it here, after
// telling why; the window selects it.
using EntryPointedAt = std::function<void(std::size_t index)>;

// Tells the first of the faults, when it names an entry of the list, and
// points at that entry.
void TellFirstTimingFault(const TextList &frameLines, const TextList &faults, Questions &questions,
                          std::uint8_t language, const EntryPointedAt &pointedAt = {});

// Offers the automatic correction of the faults: Yes corrects the list in
// place and gives true, No tells the first fault instead.
bool OfferTimingCorrection(TextList &frameLines, const TextList &faults, Questions &questions,
                           std::uint8_t language, const EntryPointedAt &pointedAt = {});
