#pragma once
// A rule of the code under fuzzing that must hold for every input: a broken
// rule aborts, so libFuzzer keeps the input as a finding.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                          \
    do {                                                                                               \
        if (!(condition)) {                                                                            \
            std::fprintf(stderr, "rule broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);        \
            std::abort();                                                                              \
        }                                                                                              \
    } while (false)
