#pragma once

#include <cstdint>

// Stand-ins for the time-stamp counter.

// Every reading is t.
struct FixedCounter {
    std::uint32_t t;
    std::uint32_t operator()() const { return t; }
};

// Readings first, first + 1, first + 2, ...
struct SequenceCounter {
    std::uint32_t next;
    std::uint32_t operator()() { return next++; }
};

// Counts its readings, each 0.
struct CountingCounter {
    int reads = 0;
    std::uint32_t operator()() {
        ++reads;
        return 0;
    }
};
