#pragma once

#include <windows.h>

// How a test asks the character recorder (char_recorder.exe, another process) what it received.
// Each question is a message sent to the recorder's window; the answer is the message's result.

constexpr wchar_t kCharRecorderClass[] = L"QuorvelTestCharRecorder";

// The recorder's window on the screen, away from the centred main window.
constexpr RECT kCharRecorderRect{100, 100, 500, 400};

// The number of WM_CHAR messages received so far.
constexpr UINT kRecorderCount = WM_APP + 10;
// The wParam of the WM_CHAR number wParam (from 0).
constexpr UINT kRecorderCharAt = WM_APP + 11;
// Its lParam.
constexpr UINT kRecorderLParamAt = WM_APP + 12;
// The low 32 bits of the performance counter when it arrived.
constexpr UINT kRecorderTimeAt = WM_APP + 13;
// Forgets everything received.
constexpr UINT kRecorderClear = WM_APP + 14;
