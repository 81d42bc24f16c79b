#pragma once

#include <windows.h>

#include <functional>
#include <string>

// quorvel.exe started as a child process, found from outside as another program would find it.
class QuorvelProcess {
  public:
    // Starts the quorvel.exe that lies beside the test program and waits for its main window.
    QuorvelProcess();
    ~QuorvelProcess();
    QuorvelProcess(const QuorvelProcess&) = delete;
    QuorvelProcess& operator=(const QuorvelProcess&) = delete;

    HWND MainWindow() const { return mainWindow_; }
    DWORD ProcessId() const { return processId_; }
    // The process's first thread, which runs its user interface.
    DWORD ThreadId() const { return threadId_; }

    // Waits for the process to end and returns its exit code, or STILL_ACTIVE after the timeout.
    DWORD WaitForExit(DWORD milliseconds = 10000);

  private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND mainWindow_ = nullptr;
};

// The full path of a file that lies beside the running test program.
std::wstring PathBesideTestProgram(const wchar_t* fileName);

// The command line that starts the program lying beside the running test program.
std::wstring CommandBesideTestProgram(const wchar_t* fileName);

// Starts the command line as a child process and closes its thread handle (hThread becomes
// nullptr); the caller owns hProcess. False when it did not start.
bool StartProcess(std::wstring commandLine, PROCESS_INFORMATION& started);

// Ends a child process started with StartProcess: asks its window (if any) to close, waits up to
// ten seconds, terminates it after that, and closes the handle.
void CloseChildProcess(HANDLE process, HWND window);

// Polls the condition every `pollMilliseconds` until it holds or the time is up; returns whether
// it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 20000,
               DWORD pollMilliseconds = 5);

// A visible window of the process for which `matches` holds, or nullptr.
HWND FindVisibleWindowOfProcess(DWORD processId, const std::function<bool(HWND)>& matches);

// The window's text, read with WM_GETTEXT (works across processes).
std::wstring WindowText(HWND window);
