#pragma once

#include <cstdint>

// A window handle as a plain value, so that the search needs no <windows.h>; 0 is no window.
using WindowHandle = std::uintptr_t;

struct ScreenPoint {
    std::int32_t x;
    std::int32_t y;
};

// A window rectangle in screen coordinates; right and bottom lie just outside it.
struct ScreenRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// What the search asks of the windows of the screen.
class WindowTree {
  public:
    // The window that the system finds at the point (it passes over hidden and disabled ones).
    virtual WindowHandle WindowAt(ScreenPoint point) const = 0;
    virtual ScreenRect Rectangle(WindowHandle window) const = 0;
    virtual WindowHandle Parent(WindowHandle window) const = 0;
    // The sibling below the window in z-order; 0 after the last.
    virtual WindowHandle NextSibling(WindowHandle window) const = 0;
    virtual bool IsVisible(WindowHandle window) const = 0;

  protected:
    ~WindowTree() = default;
};

// The window at the point, or the smallest visible sibling that follows it in z-order and also
// covers the point; of equal areas the first found is kept. A window without parent is returned
// as the system found it.
WindowHandle FindWindowAtPoint(const WindowTree& tree, ScreenPoint point);

// FindWindowAtPoint over the screen's windows at the mouse pointer; 0 when there is none. Windows
// only.
WindowHandle WindowUnderPointer();
