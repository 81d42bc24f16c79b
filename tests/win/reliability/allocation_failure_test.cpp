// A length that no 32-bit process can hold: the fatal report, then exit code -1.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/win/reliability/reliability_fixture.h"

namespace {

const std::wstring kCaption = L"\x9519\x8bef";  // 错误
// 分配 2147483648 字节内存失败! (the length and its terminator)
const std::wstring kMessage = L"\x5206\x914d 2147483648 \x5b57\x8282\x5185\x5b58\x5931\x8d25!";

class AllocationFailure : public QuorvelUnderLoad {};

TEST_F(AllocationFailure, EndsInTheFatalReportWithTheByteCountAndExitCodeMinusOne) {
    SetLength(L"2147483647");
    PointAt(recorder.Centre());
    PressF1();
    HWND box = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (box = FindMessageBox(quorvel.ProcessId())) != nullptr; }, 60000))
        << "no report appeared; exit code " << quorvel.WaitForExit(0);
    const MessageBoxContent report = ReadMessageBox(box);
    EXPECT_EQ(report.caption, kCaption);
    EXPECT_NE(report.text.find(kMessage), std::wstring::npos)
        << testing::PrintToString(report.text);
    EXPECT_EQ(report.buttons, 1);
    EXPECT_TRUE(report.hasOk);
    // The process waits for the user.
    EXPECT_EQ(quorvel.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));

    DismissMessageBox(box);
    EXPECT_EQ(quorvel.WaitForExit(30000), 0xFFFFFFFFu);
    EXPECT_EQ(recorder.Count(), 0);
}

}  // namespace
