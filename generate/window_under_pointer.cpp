#include "generate/window_under_pointer.h"

namespace {

bool Contains(const ScreenRect& rect, ScreenPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

// In 64 bits: the product of two 32-bit sides can overflow 32 bits.
std::int64_t Area(const ScreenRect& rect) {
    return std::int64_t{rect.right - rect.left} * std::int64_t{rect.bottom - rect.top};
}

}  // namespace

WindowHandle FindWindowAtPoint(const WindowTree& tree, ScreenPoint point) {
    const WindowHandle hit = tree.WindowAt(point);
    if (hit == 0) {
        return 0;
    }
    WindowHandle best = hit;
    std::int64_t bestArea = Area(tree.Rectangle(hit));
    const WindowHandle parent = tree.Parent(hit);
    if (parent == 0) {
        return hit;
    }
    for (WindowHandle s = tree.NextSibling(hit); s != 0; s = tree.NextSibling(s)) {
        const ScreenRect rect = tree.Rectangle(s);
        if (Contains(rect, point) && tree.Parent(s) == parent && tree.IsVisible(s) &&
            Area(rect) < bestArea) {
            best = s;
            bestArea = Area(rect);
        }
    }
    return best;
}
