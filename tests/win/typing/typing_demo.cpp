// Shows the utility doing its job on a screen where Quorvel runs: starts Wine's Notepad beside it,
// ticks 选择框1, presses F1 with the pointer over Notepad, and prints what Notepad received next to
// what 编辑框1 shows. Exits 0 only if they match; both programs stay open for a screenshot.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/win/quorvel_process.h"
#include "tests/win/typing/typing_test_support.h"

namespace {

int Fail(const char* what) {
    std::printf("%s\n", what);
    return 1;
}

}  // namespace

int main() {
    HWND quorvel = nullptr;
    WaitUntil([&] { return (quorvel = FindWindowW(L"QuorvelMainWindow", L"Quorvel")) != nullptr; });
    if (quorvel == nullptr) {
        return Fail("Quorvel's window did not appear");
    }
    DWORD quorvelProcess = 0;
    GetWindowThreadProcessId(quorvel, &quorvelProcess);

    PROCESS_INFORMATION info;
    if (!StartProcess(L"notepad.exe", info)) {
        return Fail("Notepad did not start");
    }
    CloseHandle(info.hProcess);
    HWND edit = WaitForNotepadEdit(info.dwProcessId);
    if (edit == nullptr) {
        return Fail("Notepad's window did not appear");
    }
    // Beside Quorvel's window, which is centred on the screen.
    SetWindowPos(GetParent(edit), HWND_TOP, 1060, 430, 420, 240, SWP_SHOWWINDOW);

    PostMessageW(ControlWindow(quorvel, Control::选择框1), BM_CLICK, 0, 0);
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(quorvelProcess)) != nullptr; });
    if (box == nullptr) {
        return Fail("no confirmation appeared after ticking the box");
    }
    DismissMessageBox(box);

    PointAt(CentreOf(edit));
    PressF1();
    HWND output = ControlWindow(quorvel, Control::编辑框1);
    WaitUntil([&] {
        const std::string shown = WindowTextBytes(output);
        return !shown.empty() && WindowTextBytes(edit).size() >= shown.size();
    });
    const std::string received = WindowTextBytes(edit);
    const std::string shown = WindowTextBytes(output);
    std::printf("Notepad received: %s\nQuorvel shows:    %s\n", received.c_str(), shown.c_str());
    return !shown.empty() && received == shown ? 0 : 1;
}
