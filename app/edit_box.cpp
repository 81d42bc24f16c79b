#include "app/edit_box.h"

#include <commctrl.h>

#include "app/win32_handles.h"

namespace {

constexpr UINT_PTR kCentringSubclassId = 1;

int LineHeight(HWND edit) {
    const WindowDc dc(edit);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    const ScopedSelectObject selected(dc.get(),
                                      font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    return metrics.tmHeight;
}

void CutToOneLine(HWND edit, RECT& client) {
    const int line = LineHeight(edit);
    const int height = client.bottom - client.top;
    if (height > line) {
        client.top += (height - line) / 2;
        client.bottom = client.top + line;
    }
}

// The strips between the sunken edge and the cut client area, in window coordinates.
void PaintMargins(HWND edit) {
    RECT window;
    GetWindowRect(edit, &window);
    RECT client;
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    OffsetRect(&window, -window.left, -window.top);
    const int edge = GetSystemMetrics(SM_CYEDGE);
    const RECT above{client.left, window.top + edge, client.right, client.top};
    const RECT below{client.left, client.bottom, client.right, window.bottom - edge};
    const WindowDc dc(edit, WindowDc::Area::kWholeWindow);
    const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (above.bottom > above.top) {
        FillRect(dc.get(), &above, white);
    }
    if (below.bottom > below.top) {
        FillRect(dc.get(), &below, white);
    }
}

void RecalculateFrame(HWND edit) {
    SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CALLBACK CentringProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR) {
    switch (message) {
        case WM_NCCALCSIZE: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                  : *reinterpret_cast<RECT*>(lParam);
            CutToOneLine(edit, client);
            return result;
        }
        case WM_NCPAINT: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            PaintMargins(edit);
            return result;
        }
        case WM_SETFONT: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            RecalculateFrame(edit);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, CentringProcedure, kCentringSubclassId);
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

bool CentreTextVertically(HWND edit) {
    if (!SetWindowSubclass(edit, CentringProcedure, kCentringSubclassId, 0)) {
        return false;
    }
    RecalculateFrame(edit);
    return true;
}

void ApplyMinimumHeight(HWND edit) {
    RECT rect;
    GetWindowRect(edit, &rect);
    const int minimum = LineHeight(edit) + 2 * GetSystemMetrics(SM_CYEDGE);
    if (rect.bottom - rect.top < minimum) {
        SetWindowPos(edit, nullptr, 0, 0, rect.right - rect.left, minimum,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
