#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

// The handlers that the other parts of the program give the main window. Each runs on the
// user-interface thread, synchronously, inside the handling of the message that causes it; an
// empty slot does nothing.
struct WindowEvents {
    // After the window and every control exist and the controls are shown, before the window is.
    std::function<void()> windowCreated;
    // While the main window handles WM_DESTROY; the window and its controls still exist.
    std::function<void()> windowWillBeDestroyed;
    // Every BN_CLICKED of 选择框1, after the box has toggled itself.
    std::function<void()> hotKeyBoxClicked;
    // The feedback event of 标签2: the feedback message's wParam and lParam.
    std::function<void(std::int32_t first, std::int32_t second)> label2Feedback;
    // Sees every message of the main window before the window's own handling.
    std::function<void(HWND window, UINT message, WPARAM wParam, LPARAM lParam)> messageWatcher;
};
