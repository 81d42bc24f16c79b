#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

// Labels: child windows that paint their text on one line in the button face colour and answer
// kLabelFeedbackMessage by raising their feedback event.

using LabelFeedback = std::function<void(std::int32_t first, std::int32_t second)>;

// Registers the labels' window class once per process; false if that fails.
bool RegisterLabelClass(HINSTANCE instance);

// Creates a hidden label. The feedback handler, which may be null or empty, must outlive the
// label.
HWND CreateLabel(HINSTANCE instance, HWND parent, int id, const RECT& rect, const wchar_t* text,
                 const LabelFeedback* feedback);
