#include "generate/random_source.h"

#include <x86intrin.h>

std::uint32_t ReadTimeStampCounter() {
    return static_cast<std::uint32_t>(__rdtsc());
}
