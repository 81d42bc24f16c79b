#include "app/label.h"

#include <vector>

#include "app/controls.h"
#include "app/win32_handles.h"

namespace {

constexpr wchar_t kLabelClassName[] = L"QuorvelLabel";

void PaintContent(HWND label, HDC dc) {
    RECT client;
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const int length = GetWindowTextLengthW(label);
    if (length == 0) {
        return;
    }
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(label, text.data(), length + 1);
    const ScopedSelectObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    // DT_SINGLELINE keeps a CR LF in the text from breaking the line.
    DrawTextW(dc, text.data(), copied, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
}

void OnPaint(HWND label) {
    PAINTSTRUCT paint;
    if (HDC dc = BeginPaint(label, &paint)) {
        PaintContent(label, dc);
        EndPaint(label, &paint);
    }
}

LRESULT OnFeedback(HWND label, WPARAM wParam, LPARAM lParam) {
    const auto* feedback =
        reinterpret_cast<const LabelFeedback*>(GetWindowLongPtrW(label, GWLP_USERDATA));
    if (feedback != nullptr && *feedback) {
        (*feedback)(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
    }
    return 0;
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(label, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_ERASEBKGND:
            return TRUE;  // PaintContent covers the whole client area
        case WM_PAINT:
            OnPaint(label);
            return 0;
        case WM_PRINTCLIENT:
            PaintContent(label, reinterpret_cast<HDC>(wParam));
            return 0;
        case kLabelFeedbackMessage:
            return OnFeedback(label, wParam, lParam);
    }
    return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
    WNDCLASSEXW labelClass{};
    labelClass.cbSize = sizeof labelClass;
    if (GetClassInfoExW(instance, kLabelClassName, &labelClass)) {
        return true;
    }
    labelClass.style = CS_HREDRAW | CS_VREDRAW;
    labelClass.lpfnWndProc = LabelProcedure;
    labelClass.hInstance = instance;
    labelClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    labelClass.lpszClassName = kLabelClassName;
    return RegisterClassExW(&labelClass) != 0;
}

HWND CreateLabel(HINSTANCE instance, HWND parent, int id, const RECT& rect, const wchar_t* text,
                 const LabelFeedback* feedback) {
    return CreateWindowExW(0, kLabelClassName, text, WS_CHILD | WS_CLIPSIBLINGS, rect.left,
                           rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           const_cast<LabelFeedback*>(feedback));
}
