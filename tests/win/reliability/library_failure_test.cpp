// The standard library's failures in a program built as quorvel.exe is: each one ends in the fatal
// report and exit code -1, not in a crash.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/win/quorvel_process.h"
#include "tests/win/typing/typing_test_support.h"

namespace {

struct LibraryFailure {
    const wchar_t* argument;
    const wchar_t* messageFragment;
};

const std::wstring kCaption = L"\x9519\x8bef";  // 错误
// 运行时出错!\r\n\r\n错误信息：
const std::wstring kReportStart =
    L"\x8fd0\x884c\x65f6\x51fa\x9519!\r\n\r\n\x9519\x8bef\x4fe1\x606f\xff1a";

class LibraryFailureReport : public testing::TestWithParam<LibraryFailure> {};

TEST_P(LibraryFailureReport, EndsInTheFatalReportAndExitCodeMinusOne) {
    PROCESS_INFORMATION probe;
    ASSERT_TRUE(StartProcess(
        CommandBesideTestProgram(L"library_failure_probe.exe") + L" " + GetParam().argument,
        probe));
    HWND box = nullptr;
    const bool appeared =
        WaitUntil([&] { return (box = FindMessageBox(probe.dwProcessId)) != nullptr; }, 60000);
    if (appeared) {
        const MessageBoxContent report = ReadMessageBox(box);
        EXPECT_EQ(report.caption, kCaption);
        EXPECT_EQ(report.text.rfind(kReportStart, 0), 0u) << testing::PrintToString(report.text);
        EXPECT_NE(report.text.find(GetParam().messageFragment), std::wstring::npos)
            << testing::PrintToString(report.text);
        EXPECT_EQ(report.buttons, 1);
        DismissMessageBox(box);
    }
    WaitForSingleObject(probe.hProcess, 30000);
    DWORD exitCode = 0;
    GetExitCodeProcess(probe.hProcess, &exitCode);
    CloseHandle(probe.hProcess);
    EXPECT_TRUE(appeared) << "no report; exit code " << exitCode;
    EXPECT_EQ(exitCode, 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, LibraryFailureReport,
    testing::Values(
        // 分配 2147483647 字节内存失败!
        LibraryFailure{L"new", L"\x5206\x914d 2147483647 \x5b57\x8282\x5185\x5b58\x5931\x8d25!"},
        LibraryFailure{L"length", L"basic_string"}, LibraryFailure{L"null", L"basic_string"},
        LibraryFailure{L"function", L"bad_function_call"}),
    [](const testing::TestParamInfo<LibraryFailure>& info) {
        return std::string(info.param.argument, info.param.argument + wcslen(info.param.argument));
    });

}  // namespace
