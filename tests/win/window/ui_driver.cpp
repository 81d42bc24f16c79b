#include "tests/win/window/ui_driver.h"

#include <vector>

HWND FocusedWindowOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

bool BringToFront(HWND window) {
    return WaitUntil([&] {
        if (GetForegroundWindow() == window) {
            return true;
        }
        SetForegroundWindow(window);
        return false;
    });
}

namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Send(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

struct BoxSearch {
    DWORD processId;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectMessageBoxes(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<BoxSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (owner == search.processId && lstrcmpW(className, L"#32770") == 0 &&
        IsWindowVisible(window)) {
        search.boxes.push_back(window);
    }
    return TRUE;
}

}  // namespace

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) {
        inputs.push_back(KeyInput(modifier, false));
    }
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        inputs.push_back(KeyInput(*it, true));
    }
    Send(inputs);
}

void ClickAt(POINT point) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> inputs(3);
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (point.x * 65536 + width / 2) / width;
        input.mi.dy = (point.y * 65536 + height / 2) / height;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    Send(inputs);
}

int DismissMessageBoxes(DWORD processId) {
    BoxSearch search{processId, {}};
    EnumWindows(CollectMessageBoxes, reinterpret_cast<LPARAM>(&search));
    for (const HWND box : search.boxes) {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return static_cast<int>(search.boxes.size());
}
