#include "generate/length_conversion.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

TEST(TruncateToInteger, TruncatesTowardZeroAndKeepsTheLow32Bits) {
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {6.0, 6},
        {6.9, 6},
        {-6.9, -6},
        {0.5, 0},
        {-0.5, 0},
        {2147483648.0, INT32_MIN},
        {-2147483649.0, INT32_MAX},
        {4294967302.0, 6},
        {1e19, 0},
        {1e30, 0},
        {-9223372036854775808.0, 0},
        {std::nan(""), 0},
        {infinity, 0},
        {-infinity, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TruncateToInteger(c.value), c.expected) << c.value;
    }
}

TEST(TruncateToInteger, IgnoresTheRoundingMode) {
    const int saved = std::fegetround();
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TONEAREST}) {
        std::fesetround(mode);
        EXPECT_EQ(TruncateToInteger(6.9), 6);
        EXPECT_EQ(TruncateToInteger(-6.9), -6);
        EXPECT_EQ(std::fegetround(), mode);
    }
    std::fesetround(saved);
}

// The length box's text and the count it gives.
TEST(LengthText, GivesTheCount) {
    const struct {
        std::string_view text;
        std::int32_t count;
    } cases[] = {
        {"6", 6},
        {"6abc", 6},
        {" 6", 6},
        {"\t\r\n 6", 6},
        {"+6", 6},
        {"6.9", 6},
        {"1e1", 10},
        {"1E1", 10},
        {"1d1", 10},
        {"1D+1", 10},
        {"100e-1", 10},
        {"\xa3\xb6", 6},              // full-width 6
        {"\xa3\xab\xa3\xb1\xa3\xb2", 12},  // full-width +12
        {"\xa1\xa1" "7", 7},          // ideographic space
        {"", 0},
        {"abc", 0},
        {"0", 0},
        {"-0.5", 0},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"-", 0},
        {".", 0},
        {"-3", -3},
        {".5e1", 5},
        {"5.", 5},
        {"1.2.3", 1},
        {"2e", 2},
        {"2e+", 2},
        {"4294967302", 6},
        {"2147483648", INT32_MIN},
        {"1e19", 0},
        {"1e999", 0},
        {"-1e999", 0},
        {"1e-999", 0},
        {"\xb3\xa4" "6", 0},  // a Chinese character first is no number
        {"6\xa3", 6},         // a lone lead byte at the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TruncateToInteger(TextToNumber(c.text)), c.count) << '"' << c.text << '"';
    }
}

TEST(TextToNumber, OverflowGivesAnInfinityOfTheSameSign) {
    EXPECT_EQ(TextToNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNumber("1.5"), 1.5);
    EXPECT_EQ(TextToNumber("-2.5d2"), -250.0);
}

}  // namespace
