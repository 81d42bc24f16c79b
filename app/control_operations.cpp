// The control operations: messages sent to the controls, answered by the user-interface thread.
#include <atomic>
#include <vector>

#include "app/control_layout.h"
#include "app/control_registry.h"
#include "app/controls.h"
#include "app/wide_text.h"

namespace {

// Trivially destructible, so that workers that still run while the process's static objects are
// destroyed find them valid.
constinit std::atomic<HWND> mainWindow{nullptr};
constinit std::atomic<HWND> controlWindows[kControlCount]{};
constinit std::atomic<bool> closing{false};

// The control's handle while the window is open, or nullptr once it has begun to close.
HWND OpenControl(Control control) {
    if (closing.load()) {
        return nullptr;
    }
    return controlWindows[IndexOf(control)].load();
}

// An answer counts only if the window had not begun to close when it came: a control destroyed
// meanwhile answers 0, which must not read as a real answer.
bool StillOpen() {
    return !closing.load();
}

}  // namespace

void PublishMainWindow(HWND window) {
    closing.store(false);
    mainWindow.store(window);
}

void PublishControl(Control control, HWND window) {
    controlWindows[IndexOf(control)].store(window);
}

void MarkMainWindowClosing() {
    closing.store(true);
}

void WithdrawMainWindow() {
    for (auto& control : controlWindows) {
        control.store(nullptr);
    }
    mainWindow.store(nullptr);
}

HWND GetMainWindowHandle() {
    return mainWindow.load();
}

HWND GetWindowHandle(Control control) {
    return controlWindows[IndexOf(control)].load();
}

std::optional<bool> IsChecked(Control control) {
    const HWND window = OpenControl(control);
    if (window == nullptr) {
        return std::nullopt;
    }
    const LRESULT state = SendMessageW(window, BM_GETCHECK, 0, 0);
    if (!StillOpen()) {
        return std::nullopt;
    }
    return state == BST_CHECKED;
}

std::optional<Text> GetText(Control control) {
    const HWND window = OpenControl(control);
    if (window == nullptr) {
        return std::nullopt;
    }
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t, ReportingAllocator<wchar_t>> buffer(static_cast<std::size_t>(length) + 1);
    const LRESULT copied =
        SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    if (!StillOpen()) {
        return std::nullopt;
    }
    return CodePage936FromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
}

bool SetText(Control control, std::string_view text) {
    const HWND window = OpenControl(control);
    if (window == nullptr) {
        return false;
    }
    const WideText wide = WideFromCodePage936(text);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return StillOpen();
}
