// The fatal report on Windows: a message box on the calling thread, then exit code -1.
#include <windows.h>

#include "generate/run_time_error.h"

void ReportRunTimeError(const char* message) {
    // Fixed buffers: the report may be about memory that ran out.
    const RunTimeErrorText report = MakeRunTimeErrorReport(message);
    wchar_t text[sizeof report.bytes];
    if (MultiByteToWideChar(936, 0, report.bytes, -1, text, ARRAYSIZE(text)) == 0) {
        text[0] = L'\0';
    }
    MessageBoxW(nullptr, text, L"\x9519\x8bef", MB_OK | MB_ICONERROR);  // 错误
    ExitProcess(static_cast<UINT>(-1));
}
