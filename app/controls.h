#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "generate/text.h"

// The controls of the main window, by their own names, in layout order (the z-order from the top).
enum class Control {
    选择框1,      // check box "开启热键F1": turns the F1 hot key on and off
    标签2,        // hidden label that receives the hot-key presses as feedback
    单选框_混合,  // radio button "混合": digits and lower-case letters
    标签1,        // label "长\r\n度"
    编辑框_长度,  // edit box holding the length as text
    单选框_数字,  // radio button "数字": digits
    单选框_字母,  // radio button "字母": lower-case letters
    编辑框1,      // disabled edit box that shows the generated string
};

// The private message that raises a label's feedback event with (wParam, lParam); answered with 0.
constexpr UINT kLabelFeedbackMessage = WM_APP + 1;

// Operations on the main window and its controls, callable from any thread. Each is a message to
// the control, answered by the user-interface thread; none takes a lock. Once the main window has
// begun to close, they answer "gone" (nullopt or false) instead, and the caller stops quietly.

// The window's handle; nullptr when it has none.
HWND GetMainWindowHandle();
HWND GetWindowHandle(Control control);

// Whether a check box or radio button is checked.
std::optional<bool> IsChecked(Control control);

// The text of an edit box as code-page-936 bytes.
std::optional<Text> GetText(Control control);

// Replaces the whole text of an edit box; false when the window is gone.
bool SetText(Control control, std::string_view text);
