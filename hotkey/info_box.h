#pragma once

#include <windows.h>

#include <string_view>

// Shows the code-page-936 text in a message box without owner, captioned "信息：", and returns
// when the user has dismissed it. The box is task-modal unless the style asks for system-modal.
void ShowInfoBox(std::string_view text, UINT style);
