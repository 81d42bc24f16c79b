#include "app/start_program.h"

#include <commctrl.h>
#include <float.h>

#include <utility>

#include "app/main_window.h"
#include "generate/run_time_error.h"

namespace {

void RunMessageLoop(MainWindow& window) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.HandleKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

void OnWindowCreated() {}

int StartProgram(HINSTANCE instance, WindowEvents events) {
    // Rounding to nearest, every floating-point exception masked.
    _fpreset();
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    MainWindow window(std::move(events));
    if (!window.Create(instance)) {
        ReportRunTimeError(
            "\xd4\xd8\xc8\xeb\xc6\xf4\xb6\xaf\xb4\xb0\xbf\xda\xca\xa7\xb0\xdc");  // 载入启动窗口失败
    }
    ShowWindow(window.Handle(), SW_SHOW);
    RunMessageLoop(window);
    return 0;
}
