#include "generate/type_into_window.h"

#include <windows.h>

#include "generate/text_operations.h"

void TypeIntoWindow(WindowHandle window, std::string_view text) {
    const ByteArray bytes = TextToBytes(text);
    const HWND target = reinterpret_cast<HWND>(window);
    for (const std::uint8_t byte : bytes) {
        // The bytes go as they are, so the target sees code-page-936 text; a failed post loses
        // only this byte.
        PostMessageA(target, WM_CHAR, WPARAM{byte}, 0);
    }
}
