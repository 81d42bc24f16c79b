#pragma once

#include <cstdint>

#include "generate/random_source.h"
#include "generate/text.h"

// Random texts of letters, digits, or both, each character drawn from RandomInRange. A count of 0
// or less gives the empty text and reads no counter.
//
// MakeLetters mode 0: a-z; mode 1: A-Z; any other mode: a choice (1, 2), then a-z or A-Z.
// MakeDigits  mode 0: 0-9; mode 1: the k-th of 1 3 5 7 9; any other: the k-th of 0 2 4 6 8.
// MakeMixed: a choice (1, 3), then 0-9, A-Z or a-z.

namespace generators_detail {

template <class DrawCharacter>
Text Repeat(std::int32_t count, DrawCharacter&& draw) {
    Text text;
    if (count <= 0) {
        return text;
    }
    // Reserved at once, so that building is linear and an impossible length fails before any draw.
    text.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        text.push_back(draw());
    }
    return text;
}

}  // namespace generators_detail

template <class Counter>
Text MakeLetters(std::int32_t count, std::int32_t mode, Counter&& counter) {
    return generators_detail::Repeat(count, [&]() -> char {
        if (mode == 0) {
            return static_cast<char>(RandomInRange(97, 122, counter));
        }
        if (mode == 1) {
            return static_cast<char>(RandomInRange(65, 90, counter));
        }
        const bool lower = RandomInRange(1, 2, counter) == 1;
        return static_cast<char>(lower ? RandomInRange(97, 122, counter)
                                       : RandomInRange(65, 90, counter));
    });
}

template <class Counter>
Text MakeDigits(std::int32_t count, std::int32_t mode, Counter&& counter) {
    return generators_detail::Repeat(count, [&]() -> char {
        if (mode == 0) {
            return static_cast<char>('0' + RandomInRange(0, 9, counter));
        }
        const std::int32_t k = RandomInRange(1, 5, counter);
        const std::int32_t first = mode == 1 ? 1 : 0;
        return static_cast<char>('0' + first + 2 * (k - 1));
    });
}

template <class Counter>
Text MakeMixed(std::int32_t count, Counter&& counter) {
    return generators_detail::Repeat(count, [&]() -> char {
        switch (RandomInRange(1, 3, counter)) {
            case 1:
                return static_cast<char>(RandomInRange(48, 57, counter));
            case 2:
                return static_cast<char>(RandomInRange(65, 90, counter));
            default:
                return static_cast<char>(RandomInRange(97, 122, counter));
        }
    });
}

inline Text MakeLetters(std::int32_t count, std::int32_t mode) {
    return MakeLetters(count, mode, ReadTimeStampCounter);
}
inline Text MakeDigits(std::int32_t count, std::int32_t mode) {
    return MakeDigits(count, mode, ReadTimeStampCounter);
}
inline Text MakeMixed(std::int32_t count) {
    return MakeMixed(count, ReadTimeStampCounter);
}
