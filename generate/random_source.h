#pragma once

#include <cstdint>

// Random numbers from the processor's time-stamp counter: no seed and no state, the value depends
// only on the bounds and on the instant of the call. Successive values are strongly correlated.

// The low 32 bits of the time-stamp counter.
std::uint32_t ReadTimeStampCounter();

// A value of min..max, both included, from the counter reading t; 0 when max < min.
constexpr std::int32_t RandomFromReading(std::uint32_t t, std::int32_t min, std::int32_t max) {
    const std::uint32_t v = t * 23u + 7u;
    const std::uint32_t n = static_cast<std::uint32_t>(max) - static_cast<std::uint32_t>(min) + 1u;
    // n is 0 only for the whole 32-bit range, which no caller asks for; v itself is then as good.
    const std::uint32_t r = n == 0 ? v : v % n;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(min) + r);
}

// RandomInRange with the counter read through `counter`, a callable returning std::uint32_t; the
// counter is not read when max < min.
template <class Counter>
std::int32_t RandomInRange(std::int32_t min, std::int32_t max, Counter&& counter) {
    if (max < min) {
        return 0;
    }
    return RandomFromReading(counter(), min, max);
}

inline std::int32_t RandomInRange(std::int32_t min, std::int32_t max) {
    return RandomInRange(min, max, ReadTimeStampCounter);
}
