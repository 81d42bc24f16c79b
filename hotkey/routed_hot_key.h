#pragma once

#include <windows.h>

#include <cstdint>

// System-wide hot keys held on a window whose presses are forwarded to a control's feedback event.
// Everything here runs on the thread that owns the window.

// The first identifier issued is kFirstRoutedHotKeyId; every call uses up the next one.
constexpr std::int32_t kFirstRoutedHotKeyId = 33001;

// Makes the target the forwarding target of every routed hot key, issues the next identifier and
// registers the key on the window under it with exactly these modifier flags. Returns the
// identifier, or 0 when the system refuses (another program holds the key); the identifier is
// used up either way.
std::int32_t RegisterRoutedHotKey(HWND window, HWND target, UINT modifierFlags, UINT virtualKey);

// Releases the hot key; an identifier that is not registered on the window (0 included) is ignored.
void UnregisterRoutedHotKey(HWND window, std::int32_t id);

// Shown every message of the window before its own handling: a WM_HOTKEY with an identifier issued
// here is sent on to the forwarding target as the label feedback message (wParam the identifier,
// lParam 0), whose handler has run when this returns.
void ForwardRoutedHotKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
