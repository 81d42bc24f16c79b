#include "generate/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/core/counter_fakes.h"

namespace {

struct RangeCase {
    std::uint32_t t;
    std::int32_t min;
    std::int32_t max;
    std::int32_t expected;
};

TEST(RandomInRange, FollowsTheCounterFormula) {
    const RangeCase cases[] = {
        {0, 97, 122, 104},
        {0, 65, 90, 72},
        {0, 48, 57, 55},
        {0, 0, 9, 7},
        {0, 1, 2, 2},
        {0, 1, 3, 2},
        {0, 1, 5, 3},
        {1, 97, 122, 101},
        {1, 0, 9, 0},
        {1, 1, 2, 1},
        {1, 1, 3, 1},
        {1, 1, 5, 1},
        // v = 4294967280 must be taken unsigned; a signed remainder gives other values.
        {4294967295u, 97, 122, 103},
        {4294967295u, 0, 9, 0},
        {2147483648u, 97, 122, 102},
        {2147483648u, 0, 9, 5},
        {0, -5, -3, -4},
        {5, INT32_MIN, 2147483646, -2147483526},
        {12345, 42, 42, 42},
        {4294967295u, -7, -7, -7},
    };
    for (const RangeCase& c : cases) {
        FixedCounter counter{c.t};
        EXPECT_EQ(RandomInRange(c.min, c.max, counter), c.expected)
            << "t=" << c.t << " range " << c.min << ".." << c.max;
    }
}

TEST(RandomInRange, SuccessiveReadingsStepByMinusThree) {
    SequenceCounter counter{1000};
    std::vector<std::int32_t> values;
    for (int i = 0; i < 6; ++i) {
        values.push_back(RandomInRange(97, 122, counter));
    }
    EXPECT_EQ(values, (std::vector<std::int32_t>{120, 117, 114, 111, 108, 105}));
}

TEST(RandomInRange, ReversedBoundsGiveZeroWithoutReadingTheCounter) {
    CountingCounter counter;
    EXPECT_EQ(RandomInRange(6, 5, counter), 0);
    EXPECT_EQ(RandomInRange(-3, -5, counter), 0);
    EXPECT_EQ(RandomInRange(100, 99, counter), 0);
    EXPECT_EQ(counter.reads, 0);
}

TEST(RandomInRange, WholeRangeDoesNotFault) {
    FixedCounter counter{77};
    RandomInRange(INT32_MIN, INT32_MAX, counter);
}

TEST(RandomInRange, TimeStampCounterStaysInRange) {
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t value = RandomInRange(97, 122);
        ASSERT_GE(value, 97);
        ASSERT_LE(value, 122);
    }
}

}  // namespace
