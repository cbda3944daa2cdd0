// The SubViewer 1.0 importer on outside bytes.

#include "tests/fuzz/ImporterFuzz.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    return FuzzImporter(ImportSubViewer1, data, size);
}
