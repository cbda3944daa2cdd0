#pragma once

#include <cstdio>
#include <cstdlib>

// A property a target checks on every input; a violation stops the run like
// a sanitizer finding, so the driver keeps the input.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
