// The baseline of the press latency: about the least a program with Quorvel's shape can do per F1
// press. A hidden window holds F1 and owns a ticked check box and an edit box with the count of
// characters (from the command line: bare_typist [count, 6 if not given]). Each press starts a
// thread that asks the check box whether it is ticked and the edit box for its text, both through
// SendMessage to the user-interface thread, and then posts that many WM_CHAR to the window under
// the pointer. With "show" after the count (bare_typist 1000 show), the thread first writes the
// characters into a single-line edit box of its window, as Quorvel shows its string, a third
// round trip. The caption "BareTypist" appears once F1 is held.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

struct Controls {
    HWND checkBox;
    HWND countBox;
    HWND shownBox;  // nullptr unless the characters are shown
};

// Written once before F1 is registered; read by the workers.
Controls controls{};

__attribute__((force_align_arg_pointer)) DWORD WINAPI TypeOnePress(LPVOID) {
    if (SendMessageW(controls.checkBox, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        return 0;
    }
    wchar_t countText[16]{};
    SendMessageW(controls.countBox, WM_GETTEXT, ARRAYSIZE(countText),
                 reinterpret_cast<LPARAM>(countText));
    const long count = std::wcstol(countText, nullptr, 10);
    std::wstring characters(static_cast<std::size_t>(count), L'a');
    for (long i = 0; i < count; ++i) {
        characters[i] = static_cast<wchar_t>(L'a' + i % 26);
    }
    if (controls.shownBox != nullptr) {
        SendMessageW(controls.shownBox, WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(characters.c_str()));
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    const HWND target = WindowFromPoint(pointer);
    for (const wchar_t c : characters) {
        PostMessageA(target, WM_CHAR, c, 0);
    }
    return 0;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HOTKEY:
            if (HANDLE thread = CreateThread(nullptr, 0, TypeOnePress, nullptr, 0, nullptr)) {
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

struct Options {
    long count;  // 0 when the command line is not understood
    bool show;
};

// "[count, 6 if not given] [show]"; the count must lie from 1 to 100000.
Options OptionsFromCommandLine(const wchar_t* commandLine) {
    if (*commandLine == L'\0') {
        return {6, false};
    }
    wchar_t* end = nullptr;
    const long count = std::wcstol(commandLine, &end, 10);
    const bool show = std::wcscmp(end, L" show") == 0;
    const bool understood = (*end == L'\0' || show) && count >= 1 && count <= 100000;
    return {understood ? count : 0, show};
}

HWND CreateChild(HWND parent, const wchar_t* className, DWORD style) {
    return CreateWindowExW(0, className, L"", WS_CHILD | style, 0, 0, 100, 20, parent, nullptr,
                           nullptr, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const Options options = OptionsFromCommandLine(commandLine);
    if (options.count == 0) {
        return 2;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"QuorvelBenchBareTypist";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1,
                                        nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    controls.checkBox = CreateChild(window, L"Button", BS_AUTOCHECKBOX);
    controls.countBox = CreateChild(window, L"Edit", ES_AUTOHSCROLL);
    // Styled as Quorvel's output box: single line, scrolled sideways, disabled.
    controls.shownBox =
        options.show ? CreateChild(window, L"Edit", ES_AUTOHSCROLL | WS_DISABLED) : nullptr;
    if (controls.checkBox == nullptr || controls.countBox == nullptr ||
        (options.show && controls.shownBox == nullptr)) {
        return 1;
    }
    SendMessageW(controls.checkBox, BM_SETCHECK, BST_CHECKED, 0);
    wchar_t countText[16];
    std::swprintf(countText, ARRAYSIZE(countText), L"%ld", options.count);
    SetWindowTextW(controls.countBox, countText);
    if (!RegisterHotKey(window, 1, 0, VK_F1)) {
        return 1;
    }
    SetWindowTextW(window, L"BareTypist");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
