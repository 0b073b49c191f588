#pragma once
#include <cstdio>
#include <cstdlib>

// The fuzz build defines NDEBUG, so a broken invariant must abort on its own
// for libFuzzer to keep the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
