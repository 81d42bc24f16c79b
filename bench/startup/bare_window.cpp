// The bare baseline of the start-up benchmark: a 158 x 122 window with eight plain controls of the
// system's classes and Quorvel's texts (their Chinese needs a CJK font), shown the ordinary way,
// and nothing else. It ends when closed. Built twice: bare_window.exe as it is, and
// bare_themed_window.exe with Quorvel's manifest, which loads Common Controls 6 and visual styles.
#include <windows.h>

namespace {

constexpr wchar_t kClassName[] = L"QuorvelBareWindow";

struct PlainControl {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    RECT rect;  // left, top, width, height
};

constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
// 开启热键F1, 标签, 混合, 长\r\n度, 6, 数字, 字母 and the empty output box.
constexpr PlainControl kControls[] = {
    {L"BUTTON",
     L"\x5f00\x542f\x70ed\x952e"
     L"F1",
     kTabStop | BS_AUTOCHECKBOX,
     0,
     {8, 72, 80, 16}},
    {L"STATIC", L"\x6807\x7b7e", WS_CHILD | WS_VISIBLE, 0, {40, 160, 120, 32}},
    {L"BUTTON", L"\x6df7\x5408", kTabStop | BS_AUTORADIOBUTTON, 0, {104, 48, 48, 16}},
    {L"STATIC", L"\x957f\r\n\x5ea6", WS_CHILD | WS_VISIBLE, 0, {88, 72, 24, 16}},
    {L"EDIT", L"6", kTabStop | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {120, 72, 24, 16}},
    {L"BUTTON", L"\x6570\x5b57", kTabStop | BS_AUTORADIOBUTTON, 0, {56, 48, 48, 16}},
    {L"BUTTON", L"\x5b57\x6bcd", kTabStop | BS_AUTORADIOBUTTON, 0, {8, 48, 48, 16}},
    {L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, WS_EX_CLIENTEDGE, {8, 8, 136, 32}},
};

LRESULT CALLBACK BareProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BareProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassW(&windowClass) == 0) {
        return 1;
    }
    const HWND window = CreateWindowExW(
        0, kClassName, L"Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        (GetSystemMetrics(SM_CXSCREEN) - 158) / 2, (GetSystemMetrics(SM_CYSCREEN) - 122) / 2, 158,
        122, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    for (const PlainControl& c : kControls) {
        if (CreateWindowExW(c.exStyle, c.className, c.text, c.style, c.rect.left, c.rect.top,
                            c.rect.right, c.rect.bottom, window, nullptr, instance,
                            nullptr) == nullptr) {
            return 1;
        }
    }
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
