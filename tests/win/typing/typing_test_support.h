#pragma once

#include <windows.h>

#include <string>

#include "app/controls.h"
#include "tests/win/quorvel_process.h"

// What the typing tests and the latency benchmark do from outside Quorvel: a recording target
// window of another process, the pointer, the F1 key, and Quorvel's message boxes.

// char_recorder.exe (beside the test program) started as a child process, with its window.
class CharRecorder {
  public:
    CharRecorder();
    ~CharRecorder();
    CharRecorder(const CharRecorder&) = delete;
    CharRecorder& operator=(const CharRecorder&) = delete;

    HWND Window() const { return window_; }
    POINT Centre() const;
    int Count() const;
    // The wParam of every WM_CHAR received, in order, each as one byte (a wParam above 255 as '?').
    std::string Chars() const;
    // Whether every WM_CHAR received so far had lParam 0.
    bool AllLParamsZero() const;
    // The low 32 bits of the performance counter when WM_CHAR number `index` arrived.
    DWORD TimeAt(int index) const;
    void Clear() const;

  private:
    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
};

// The edit box of the visible Notepad window of the process (its parent is the frame), once it
// exists, or nullptr after a minute.
HWND WaitForNotepadEdit(DWORD processId);

// The control's window, found as the n-th child of the main window in z-order (the layout order).
HWND ControlWindow(HWND mainWindow, Control control);

// The text of a window (across processes) as code-page-936 bytes.
std::string WindowTextBytes(HWND window);

// Moves the pointer and waits until the system reports it there.
void PointAt(POINT point);
POINT CentreOf(HWND window);

// One press of F1: key down and key up, injected as the keyboard would.
void PressF1();

// The visible message box (#32770) of the process, or nullptr.
HWND FindMessageBox(DWORD processId);

struct MessageBoxContent {
    std::wstring caption;
    std::wstring text;
    int buttons;  // push buttons in the box
    bool hasOk;   // one of them is OK (id 1)
};
MessageBoxContent ReadMessageBox(HWND box);

// Presses OK and waits until the box is gone.
void DismissMessageBox(HWND box);
