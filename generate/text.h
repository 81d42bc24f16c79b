#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "generate/run_time_error.h"

// Hands out memory with malloc and sends a request that cannot be met to the fatal report, with the
// number of bytes asked for. It never throws.
template <class T>
struct ReportingAllocator {
    using value_type = T;

    ReportingAllocator() = default;
    template <class U>
    ReportingAllocator(const ReportingAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (n > SIZE_MAX / sizeof(T)) {
            ReportAllocationFailure(SIZE_MAX);
        }
        if (void* memory = std::malloc(bytes)) {
            return static_cast<T*>(memory);
        }
        ReportAllocationFailure(bytes);
    }
    void deallocate(T* memory, std::size_t) noexcept { std::free(memory); }

    friend bool operator==(const ReportingAllocator&, const ReportingAllocator&) { return true; }
};

// A text: bytes in code page 936 (GBK), the empty text standing for "no text".
using Text = std::basic_string<char, std::char_traits<char>, ReportingAllocator<char>>;

// The bytes of a text without a terminator.
using ByteArray = std::vector<std::uint8_t, ReportingAllocator<std::uint8_t>>;
