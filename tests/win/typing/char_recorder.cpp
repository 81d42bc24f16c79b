// A window of its own process that records every WM_CHAR it receives, with its wParam, lParam and
// time of arrival, and answers the questions of char_recorder_protocol.h. It ends when closed.
#include <windows.h>

#include <vector>

#include "tests/win/typing/char_recorder_protocol.h"

namespace {

struct Received {
    WPARAM wParam;
    LPARAM lParam;
    LONGLONG time;
};

std::vector<Received> received;

LRESULT Answer(UINT question, WPARAM index) {
    if (question == kRecorderCount) {
        return static_cast<LRESULT>(received.size());
    }
    if (question == kRecorderClear) {
        received.clear();
        return 0;
    }
    if (index >= received.size()) {
        return -1;
    }
    const Received& r = received[index];
    switch (question) {
        case kRecorderCharAt:
            return static_cast<LRESULT>(r.wParam);
        case kRecorderLParamAt:
            return r.lParam;
        default:
            return static_cast<LRESULT>(static_cast<DWORD>(r.time));
    }
}

LRESULT CALLBACK RecorderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR: {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            received.push_back({wParam, lParam, now.QuadPart});
            return 0;
        }
        case kRecorderCount:
        case kRecorderCharAt:
        case kRecorderLParamAt:
        case kRecorderTimeAt:
        case kRecorderClear:
            return Answer(message, wParam);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RecorderProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kCharRecorderClass;
    if (RegisterClassW(&windowClass) == 0) {
        return 1;
    }
    const RECT& r = kCharRecorderRect;
    // Not activated, so that it takes the focus from nobody.
    if (CreateWindowExW(WS_EX_NOACTIVATE, kCharRecorderClass, L"Recorder", WS_POPUP | WS_VISIBLE,
                        r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                        instance, nullptr) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
