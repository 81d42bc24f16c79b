#include "app/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "app/check_box_painting.h"
#include "app/control_registry.h"
#include "app/edit_box.h"
#include "app/label.h"
#include "app/resource.h"
#include "app/wide_text.h"

namespace {

constexpr wchar_t kMainWindowClassName[] = L"QuorvelMainWindow";
constexpr int kWindowWidth = 158;
constexpr int kWindowHeight = 122;
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kCheckBoxTextColour = RGB(255, 0, 0);
constexpr int kFirstControlId = 100;

int ControlId(const ControlLayout& layout) {
    return kFirstControlId + static_cast<int>(IndexOf(layout.control));
}

DWORD StyleOf(const ControlLayout& layout) {
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    constexpr DWORD button = child | WS_TABSTOP | BS_MULTILINE | BS_LEFT | BS_VCENTER;
    switch (layout.kind) {
        case ControlKind::kCheckBox:
            return button | BS_AUTOCHECKBOX | layout.extraStyle;
        case ControlKind::kRadioButton:
            return button | BS_AUTORADIOBUTTON | layout.extraStyle;
        case ControlKind::kLabel:
            return child | layout.extraStyle;
        case ControlKind::kEditBox:
            return child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | layout.extraStyle;
    }
    return child;
}

// The bold 16-pixel font of the output box; the face is left to the font mapper.
FontHandle CreateOutputFont() {
    LOGFONTW font{};
    font.lfHeight = -16;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    return FontHandle(CreateFontIndirectW(&font));
}

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kMainWindowClassName, &windowClass)) {
        return true;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kMainWindowClassName;
    return RegisterClassExW(&windowClass) != 0;
}

bool HeldOnly(bool shift) {
    const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return held(VK_SHIFT) == shift && !held(VK_CONTROL) && !held(VK_MENU);
}

}  // namespace

MainWindow::MainWindow(WindowEvents events)
    : events_(std::move(events)), guiFont_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool MainWindow::Create(HINSTANCE instance) {
    if (!RegisterMainWindowClass(instance, WindowProcedure) || !RegisterLabelClass(instance)) {
        return false;
    }
    // Signed division that truncates toward zero; the full screen, not the work area.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    const HWND window =
        CreateWindowExW(0, kMainWindowClassName, L"Quorvel", kWindowStyle, left, top, kWindowWidth,
                        kWindowHeight, nullptr, nullptr, instance, this);
    if (window == nullptr) {
        return false;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    if (rect.right - rect.left != kWindowWidth || rect.bottom - rect.top != kWindowHeight) {
        MoveWindow(window, left, top, kWindowWidth, kWindowHeight, FALSE);
    }
    icon_.reset(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUORVEL), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont_), FALSE);
    if (events_.windowCreated) {
        events_.windowCreated();
    }
    return true;
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    if (events_.messageWatcher) {
        events_.messageWatcher(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CREATE:
            return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance) ? 0 : -1;
        case WM_ACTIVATE:
            OnActivate(wParam);
            break;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case WM_COMMAND:
            OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const LRESULT brush = OnControlColour(reinterpret_cast<HDC>(wParam),
                                                      reinterpret_cast<HWND>(lParam))) {
                return brush;
            }
            break;
        case WM_SETFONT:
            guiFont_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(guiFont_);
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            OnNcDestroy();
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool MainWindow::OnCreate(HINSTANCE instance) {
    PublishMainWindow(window_);
    outputFont_ = CreateOutputFont();
    for (const ControlLayout& layout : kControlLayouts) {
        if (!CreateControl(instance, layout)) {
            return false;
        }
    }
    // Layout order is z-order, the first control on top.
    HWND above = HWND_TOP;
    for (const HWND control : controls_) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    SendMessageW(ControlHandle(Control::单选框_混合), BM_SETCHECK, BST_CHECKED, 0);
    for (const HWND control : controls_) {
        ShowWindow(control, SW_SHOWNA);
    }
    return true;
}

bool MainWindow::CreateControl(HINSTANCE instance, const ControlLayout& layout) {
    const WideText text = WideFromCodePage936(layout.text);
    const RECT& rect = layout.rect;
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(layout)));
    HWND control = nullptr;
    switch (layout.kind) {
        case ControlKind::kLabel:
            control =
                CreateLabel(instance, window_, ControlId(layout), rect, text.c_str(),
                            layout.control == Control::标签2 ? &events_.label2Feedback : nullptr);
            break;
        case ControlKind::kCheckBox:
        case ControlKind::kRadioButton:
            control = CreateWindowExW(0, WC_BUTTONW, text.c_str(), StyleOf(layout), rect.left,
                                      rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                      window_, id, instance, nullptr);
            break;
        case ControlKind::kEditBox:
            control = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, text.c_str(), StyleOf(layout),
                                      rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, window_, id, instance, nullptr);
            break;
    }
    if (control == nullptr) {
        return false;
    }
    controls_[IndexOf(layout.control)] = control;
    PublishControl(layout.control, control);
    if (layout.kind == ControlKind::kEditBox) {
        if (!CentreTextVertically(control)) {
            return false;
        }
        const bool output = layout.control == Control::编辑框1;
        const HFONT font = output && outputFont_ ? outputFont_.get() : guiFont_;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ApplyMinimumHeight(control);
        SendMessageW(control, EM_LIMITTEXT, 0, 0);
        SendMessageW(control, EM_SETSEL, 0, 0);
    } else {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont_), FALSE);
    }
    return true;
}

void MainWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) {
            focusBeforeDeactivation_ = focus;
        }
    }
}

void MainWindow::OnSetFocus() {
    const HWND remembered = focusBeforeDeactivation_;
    if (remembered != nullptr && IsWindow(remembered) && IsChild(window_, remembered)) {
        SetFocus(remembered);
    } else {
        SetFocus(ControlHandle(kFocusOrder.front()));
    }
}

void MainWindow::OnCommand(HWND control, WORD notification) {
    // Only the check box has a click handler. A radio button's BN_CLICKED, also the one that
    // comes with the focus, changes nothing.
    if (notification == BN_CLICKED && control != nullptr &&
        control == ControlHandle(Control::选择框1)) {
        RaiseClicked(Control::选择框1);
    }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.code == NM_CUSTOMDRAW && header.hwndFrom == ControlHandle(Control::选择框1)) {
        return PaintCheckBoxInColour(reinterpret_cast<const NMCUSTOMDRAW&>(header),
                                     kCheckBoxTextColour);
    }
    return 0;
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
    const ControlLayout* layout = LayoutOf(control);
    if (layout == nullptr) {
        return 0;
    }
    switch (layout->kind) {
        case ControlKind::kEditBox:
            // Black on white, also while disabled.
            SetTextColor(dc, kBlack);
            SetBkColor(dc, kWhite);
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        case ControlKind::kCheckBox:
        case ControlKind::kRadioButton:
            SetTextColor(dc, layout->kind == ControlKind::kCheckBox ? kCheckBoxTextColour : kBlack);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        case ControlKind::kLabel:
            return 0;
    }
    return 0;
}

void MainWindow::OnDestroy() {
    MarkMainWindowClosing();
    if (events_.windowWillBeDestroyed) {
        events_.windowWillBeDestroyed();
    }
}

void MainWindow::OnNcDestroy() {
    WithdrawMainWindow();
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    controls_.fill(nullptr);
    focusBeforeDeactivation_ = nullptr;
    // The program's only window is gone.
    PostQuitMessage(0);
}

bool MainWindow::HandleKeyboard(const MSG& message) {
    if (window_ == nullptr || (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)) {
        return false;
    }
    const bool aimedHere = message.hwnd == window_ ||
                           (IsChild(window_, message.hwnd) && IsWindowEnabled(message.hwnd));
    if (!aimedHere) {
        return false;
    }
    switch (message.wParam) {
        case VK_TAB:
            if (HeldOnly(false)) {
                MoveFocus(1);
                return true;
            }
            if (HeldOnly(true)) {
                MoveFocus(-1);
                return true;
            }
            return false;
        case VK_ESCAPE:
            if (HeldOnly(false)) {
                SendMessageW(window_, WM_CLOSE, 0, 0);
                return true;
            }
            return false;
        case VK_RIGHT:
        case VK_DOWN:
            return HeldOnly(false) && SelectNeighbouringRadioButton(GetFocus(), 1);
        case VK_LEFT:
        case VK_UP:
            return HeldOnly(false) && SelectNeighbouringRadioButton(GetFocus(), -1);
    }
    return false;
}

void MainWindow::MoveFocus(int step) {
    const int count = static_cast<int>(kFocusOrder.size());
    const HWND focus = GetFocus();
    const auto current = std::find_if(kFocusOrder.begin(), kFocusOrder.end(),
                                      [&](Control c) { return ControlHandle(c) == focus; });
    int next = step > 0 ? 0 : count - 1;
    if (current != kFocusOrder.end()) {
        next = (static_cast<int>(current - kFocusOrder.begin()) + step + count) % count;
    }
    SetFocus(ControlHandle(kFocusOrder[static_cast<std::size_t>(next)]));
}

bool MainWindow::SelectNeighbouringRadioButton(HWND focus, int step) {
    const int count = static_cast<int>(kRadioOrder.size());
    const auto current = std::find_if(kRadioOrder.begin(), kRadioOrder.end(),
                                      [&](Control c) { return ControlHandle(c) == focus; });
    if (current == kRadioOrder.end()) {
        return false;
    }
    const int index = (static_cast<int>(current - kRadioOrder.begin()) + step + count) % count;
    const Control target = kRadioOrder[static_cast<std::size_t>(index)];
    for (const Control radio : kRadioOrder) {
        SendMessageW(ControlHandle(radio), BM_SETCHECK,
                     radio == target ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    RaiseClicked(target);
    SetFocus(ControlHandle(target));
    return true;
}

void MainWindow::RaiseClicked(Control control) {
    // The radio buttons' clicked events have no handlers.
    if (control == Control::选择框1 && events_.hotKeyBoxClicked) {
        events_.hotKeyBoxClicked();
    }
}

const ControlLayout* MainWindow::LayoutOf(HWND control) const {
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    if (control == nullptr || found == controls_.end()) {
        return nullptr;
    }
    return &kControlLayouts[static_cast<std::size_t>(found - controls_.begin())];
}
