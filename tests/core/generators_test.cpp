#include "generate/generators.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "tests/core/counter_fakes.h"

namespace {

enum class Generator { Letters, Digits, Mixed };

Text Make(Generator generator, std::int32_t count, std::int32_t mode, std::uint32_t t) {
    FixedCounter counter{t};
    switch (generator) {
        case Generator::Letters:
            return MakeLetters(count, mode, counter);
        case Generator::Digits:
            return MakeDigits(count, mode, counter);
        case Generator::Mixed:
            break;
    }
    return MakeMixed(count, counter);
}

TEST(Generators, FixedCounterReadings) {
    struct Case {
        std::uint32_t t;
        Generator generator;
        std::int32_t count;
        std::int32_t mode;
        std::string_view expected;
    };
    const Case cases[] = {
        {0, Generator::Letters, 3, 0, "hhh"}, {0, Generator::Letters, 2, 1, "HH"},
        {0, Generator::Letters, 2, 2, "HH"},  {0, Generator::Digits, 3, 0, "777"},
        {0, Generator::Digits, 2, 1, "55"},   {0, Generator::Digits, 2, 2, "44"},
        {0, Generator::Mixed, 2, 0, "HH"},    {1, Generator::Letters, 3, 0, "eee"},
        {1, Generator::Letters, 2, 2, "ee"},  {1, Generator::Digits, 3, 0, "000"},
        {1, Generator::Digits, 2, 1, "11"},   {1, Generator::Digits, 2, -1, "00"},
        {1, Generator::Mixed, 2, 0, "00"},    {2, Generator::Letters, 2, 2, "BB"},
        {2, Generator::Digits, 2, 1, "77"},   {2, Generator::Mixed, 2, 0, "bb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Make(c.generator, c.count, c.mode, c.t), c.expected)
            << "t=" << c.t << " generator " << static_cast<int>(c.generator) << " count "
            << c.count << " mode " << c.mode;
    }
}

TEST(Generators, OneReadingPerDraw) {
    SequenceCounter letters{1000};
    EXPECT_EQ(MakeLetters(6, 0, letters), "xuroli");
    EXPECT_EQ(letters.next, 1006u);

    SequenceCounter mixed{1000};
    EXPECT_EQ(MakeMixed(3, mixed), "0Oi");
    EXPECT_EQ(mixed.next, 1006u);
}

TEST(Generators, CountsBelowOneGiveEmptyTextAndReadNothing) {
    for (const std::int32_t count : {0, -1, INT32_MIN}) {
        for (const std::int32_t mode : {0, 1, 2}) {
            CountingCounter counter;
            EXPECT_TRUE(MakeLetters(count, mode, counter).empty());
            EXPECT_TRUE(MakeDigits(count, mode, counter).empty());
            EXPECT_TRUE(MakeMixed(count, counter).empty());
            EXPECT_EQ(counter.reads, 0) << "count " << count;
        }
    }
}

TEST(Generators, EveryModeOtherThanZeroAndOneIsTheThirdVariant) {
    for (std::uint32_t t = 0; t < 64; ++t) {
        for (const std::int32_t mode : {-1, 1000, INT32_MIN}) {
            EXPECT_EQ(Make(Generator::Letters, 4, mode, t), Make(Generator::Letters, 4, 2, t));
            EXPECT_EQ(Make(Generator::Digits, 4, mode, t), Make(Generator::Digits, 4, 2, t));
        }
    }
}

TEST(Generators, CharactersComeFromTheirSets) {
    struct Case {
        std::function<Text()> make;
        std::string_view allowed;
    };
    constexpr std::string_view kLower = "abcdefghijklmnopqrstuvwxyz";
    constexpr std::string_view kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    constexpr std::string_view kMixed =
        "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const Case cases[] = {
        {[] { return MakeLetters(2000, 0); }, kLower},
        {[] { return MakeLetters(2000, 1); }, kUpper},
        {[] { return MakeLetters(2000, 2); }, kLetters},
        {[] { return MakeDigits(2000, 0); }, "0123456789"},
        {[] { return MakeDigits(2000, 1); }, "13579"},
        {[] { return MakeDigits(2000, 2); }, "02468"},
        {[] { return MakeMixed(2000); }, kMixed},
    };
    for (const Case& c : cases) {
        const Text text = c.make();
        ASSERT_EQ(text.size(), 2000u);
        EXPECT_EQ(std::string_view(text).find_first_not_of(c.allowed), std::string_view::npos)
            << text << " allowed " << c.allowed;
    }
    EXPECT_EQ(MakeMixed(1).size(), 1u);
    EXPECT_EQ(MakeDigits(6, 0).size(), 6u);
}

}  // namespace
