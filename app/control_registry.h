#pragma once

#include <windows.h>

#include "app/controls.h"

// What the control operations know of the main window, set by the window on its own thread and
// read by any thread.

// A new main window and its controls exist; the operations answer again.
void PublishMainWindow(HWND window);
void PublishControl(Control control, HWND window);

// The main window has begun to close: from now on the operations answer "gone".
void MarkMainWindowClosing();

// The main window and its controls no longer exist.
void WithdrawMainWindow();
