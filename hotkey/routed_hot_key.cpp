#include "hotkey/routed_hot_key.h"

#include "app/controls.h"

namespace {

// Shared by every identifier, and touched only by the window's thread.
HWND forwardingTarget = nullptr;
std::int32_t highestIssuedId = kFirstRoutedHotKeyId - 1;

bool IsIssued(WPARAM id) {
    return id >= static_cast<WPARAM>(kFirstRoutedHotKeyId) &&
           id <= static_cast<WPARAM>(highestIssuedId);
}

}  // namespace

std::int32_t RegisterRoutedHotKey(HWND window, HWND target, UINT modifierFlags, UINT virtualKey) {
    forwardingTarget = target;
    const std::int32_t id = ++highestIssuedId;
    // Registered to the window rather than the thread, so that presses still arrive while a
    // message box runs its modal loop.
    return RegisterHotKey(window, id, modifierFlags, virtualKey) ? id : 0;
}

void UnregisterRoutedHotKey(HWND window, std::int32_t id) {
    UnregisterHotKey(window, id);
}

void ForwardRoutedHotKey(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_HOTKEY && IsIssued(wParam)) {
        SendMessageW(forwardingTarget, kLabelFeedbackMessage, wParam, 0);
    }
}
