#pragma once

#include <cstddef>

// The one fatal report of the program: it shows the message, waits until the user has dismissed
// it, and ends the process with exit code -1. The message is code-page-936 text. The platform side
// defines ReportRunTimeError; everything here builds its text without allocating, because the
// report may be about memory that ran out.

[[noreturn]] void ReportRunTimeError(const char* message);

// Reports an allocation of the given number of bytes that failed.
[[noreturn]] void ReportAllocationFailure(std::size_t bytes);

struct RunTimeErrorText {
    char bytes[512];
};

// "运行时出错!\r\n\r\n错误信息：" + message + "\r\n", cut short if it would not fit.
RunTimeErrorText MakeRunTimeErrorReport(const char* message);

// "分配 <bytes> 字节内存失败!"
RunTimeErrorText MakeAllocationFailureMessage(std::size_t bytes);
