// Markup normalisation against its step-by-step definition.

#include "document/Markup.h"
#include "tests/document/MarkupReference.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string normalised = NormaliseMarkupText(text);
    FUZZ_CHECK(normalised.size() <= text.size());
    // The definition is quadratic; short inputs are compared with it.
    if (size <= 2048)
        FUZZ_CHECK(normalised == NormaliseMarkupStepByStep(text));
    return 0;
}
