#include "generate/window_under_pointer.h"

#include <windows.h>

namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

// The screen's windows as the system reports them, asked on the calling thread.
class ScreenWindows final : public WindowTree {
  public:
    WindowHandle WindowAt(ScreenPoint point) const override {
        return FromHwnd(WindowFromPoint(POINT{point.x, point.y}));
    }
    ScreenRect Rectangle(WindowHandle window) const override {
        RECT rect{};
        // A window gone meanwhile has an empty rectangle, which covers no point.
        GetWindowRect(ToHwnd(window), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }
    WindowHandle Parent(WindowHandle window) const override {
        return FromHwnd(GetParent(ToHwnd(window)));
    }
    WindowHandle NextSibling(WindowHandle window) const override {
        return FromHwnd(GetWindow(ToHwnd(window), GW_HWNDNEXT));
    }
    bool IsVisible(WindowHandle window) const override {
        return IsWindowVisible(ToHwnd(window)) != FALSE;
    }
};

}  // namespace

WindowHandle WindowUnderPointer() {
    POINT pointer;
    if (!GetCursorPos(&pointer)) {
        return 0;
    }
    return FindWindowAtPoint(ScreenWindows{}, ScreenPoint{pointer.x, pointer.y});
}
