#pragma once

#include <string_view>

#include "generate/window_under_pointer.h"

// Types the text into the window: one WM_CHAR per byte, the byte zero-extended and lParam 0, in
// order and back to back, each posted without waiting for the window. Window 0 is passed on as it
// is (the posts then land in the calling thread's own queue). A post that fails loses only its
// byte. Windows only.
void TypeIntoWindow(WindowHandle window, std::string_view text);
