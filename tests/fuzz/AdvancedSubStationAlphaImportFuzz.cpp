// The Advanced SubStation Alpha importer on outside bytes.

#include "tests/fuzz/ImporterFuzz.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    return FuzzImporter(ImportAdvancedSubStationAlpha, data, size);
}
