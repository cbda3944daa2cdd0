// The importer of one input format on outside bytes. The build compiles this
// file once for every format of the table, naming the format's key in
// LUMAVERT_FUZZ_FORMAT.

#include "formats/InputFormats.h"
#include "tests/fuzz/ImporterFuzz.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static Importer &importer = *ImporterOf(LUMAVERT_FUZZ_FORMAT);
    return FuzzImporter(importer, data, size);
}
