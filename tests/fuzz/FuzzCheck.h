// Zevora fuzz targets - a property that must hold for every input.
#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run with a message when \a condition fails; libFuzzer keeps the
// input that did it.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
