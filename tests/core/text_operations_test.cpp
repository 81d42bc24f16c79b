#include "generate/text_operations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "generate/run_time_error.h"

namespace {

TEST(ToLowerCase, LowersOnlyAsciiCapitals) {
    const struct {
        std::string_view text;
        std::string_view expected;
    } cases[] = {
        {"", ""},
        {"AbC09xYZ@[`{", "abc09xyz@[`{"},
        // 0xB0 0x41 is one double-byte character whose trail byte looks like "A".
        {"\xb0" "AB", "\xb0" "Ab"},
        {"Q\xa3\xc1Q", "q\xa3\xc1q"},
        {"A\xff", "a\xff"},  // a lone lead byte at the end ends the scan
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToLowerCase(c.text), c.expected) << c.text;
    }
}

TEST(ToLowerCase, LeavesItsArgumentAlone) {
    const Text original = "MiXeD";
    const Text lower = ToLowerCase(original);
    EXPECT_EQ(original, "MiXeD");
    EXPECT_EQ(lower, "mixed");
}

TEST(TextToBytes, GivesEveryByteInOrder) {
    EXPECT_TRUE(TextToBytes("").empty());
    const ByteArray bytes = TextToBytes("a\xb0\xa1z");
    EXPECT_EQ(bytes, (ByteArray{0x61, 0xB0, 0xA1, 0x7A}));
}

TEST(RunTimeError, ReportText) {
    EXPECT_STREQ(MakeAllocationFailureMessage(123).bytes,
                 "\xb7\xd6\xc5\xe4 123 \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7\xb0\xdc!");
    EXPECT_STREQ(MakeAllocationFailureMessage(2147483648u).bytes,
                 "\xb7\xd6\xc5\xe4 2147483648 \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7\xb0\xdc!");
    EXPECT_STREQ(MakeRunTimeErrorReport("X").bytes,
                 "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\r\n\r\n"
                 "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba" "X\r\n");
}

}  // namespace

namespace {

// The shell sees exit code -1 as 255; Windows reports the whole value.
#ifdef _WIN32
constexpr int kFatalExitCode = -1;
#else
constexpr int kFatalExitCode = 255;
#endif

TEST(ReportingAllocatorDeathTest, AFailedAllocationIsReportedWithItsSize) {
    // Far more than any address space holds; the sanitizer's allocator then returns null too.
    const std::size_t bytes = SIZE_MAX / 2;
    EXPECT_EXIT(ReportingAllocator<char>{}.allocate(bytes), ::testing::ExitedWithCode(kFatalExitCode),
                std::to_string(bytes));
}

}  // namespace
