#pragma once

#include <windows.h>

#include <array>

#include "app/control_layout.h"
#include "app/window_events.h"
#include "app/win32_handles.h"

// The program's one window with its eight controls, its keyboard interface and its events.
class MainWindow {
  public:
    explicit MainWindow(WindowEvents events);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window hidden, centred on the primary screen, with its controls shown, then
    // raises the creation-complete event. False if the window or a control cannot be created.
    bool Create(HINSTANCE instance);

    HWND Handle() const { return window_; }
    HWND ControlHandle(Control control) const { return controls_[IndexOf(control)]; }

    // Offered every message of the thread's queue before it is dispatched: Tab, Shift+Tab, Esc
    // and the arrow keys on a radio button. True when the message was consumed.
    bool HandleKeyboard(const MSG& message);

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool OnCreate(HINSTANCE instance);
    bool CreateControl(HINSTANCE instance, const ControlLayout& layout);
    void OnActivate(WPARAM wParam);
    void OnSetFocus();
    void OnCommand(HWND control, WORD notification);
    LRESULT OnNotify(const NMHDR& header);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnDestroy();
    void OnNcDestroy();

    void MoveFocus(int step);
    bool SelectNeighbouringRadioButton(HWND focus, int step);
    void RaiseClicked(Control control);
    const ControlLayout* LayoutOf(HWND control) const;

    WindowEvents events_;
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    HWND focusBeforeDeactivation_ = nullptr;
    HFONT guiFont_;
    FontHandle outputFont_;
    IconHandle icon_;
};
