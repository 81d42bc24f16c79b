// The baseline of the press latency: the least a program can do per F1 press. A hidden window holds
// F1; each press starts a thread that posts six WM_CHAR to the window under the pointer.
#include <windows.h>

namespace {

__attribute__((force_align_arg_pointer)) DWORD WINAPI PostSix(LPVOID) {
    POINT pointer{};
    GetCursorPos(&pointer);
    const HWND target = WindowFromPoint(pointer);
    for (WPARAM c = 'a'; c < 'a' + 6; ++c) {
        PostMessageA(target, WM_CHAR, c, 0);
    }
    return 0;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HOTKEY:
            if (HANDLE thread = CreateThread(nullptr, 0, PostSix, nullptr, 0, nullptr)) {
                CloseHandle(thread);
            }
            return 0;
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
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"QuorvelBenchBareTypist";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"BareTypist", WS_POPUP, 0, 0,
                                        1, 1, nullptr, nullptr, instance, nullptr);
    if (window == nullptr || !RegisterHotKey(window, 1, 0, VK_F1)) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
