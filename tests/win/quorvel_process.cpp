#include "tests/win/quorvel_process.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct WindowSearch {
    DWORD processId;
    const std::function<bool(HWND)>& matches;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && search.matches(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds, DWORD pollMilliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        Sleep(pollMilliseconds);
    }
    return true;
}

HWND FindVisibleWindowOfProcess(DWORD processId, const std::function<bool(HWND)>& matches) {
    WindowSearch search{processId, matches, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring PathBesideTestProgram(const wchar_t* fileName) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result(path, length);
    result.erase(result.find_last_of(L"\\/") + 1);
    return result + fileName;
}

std::wstring CommandBesideTestProgram(const wchar_t* fileName) {
    return L"\"" + PathBesideTestProgram(fileName) + L"\"";
}

bool StartProcess(std::wstring commandLine, PROCESS_INFORMATION& started) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return false;
    }
    CloseHandle(started.hThread);
    started.hThread = nullptr;
    return true;
}

void CloseChildProcess(HANDLE process, HWND window) {
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process, 10000) == WAIT_TIMEOUT) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 10000);
    }
    CloseHandle(process);
}

std::wstring WindowText(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const auto copied =
        SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

QuorvelProcess::QuorvelProcess() {
    PROCESS_INFORMATION info;
    if (!StartProcess(CommandBesideTestProgram(L"quorvel.exe"), info)) {
        ADD_FAILURE() << "quorvel.exe did not start, error " << GetLastError();
        return;
    }
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
    WaitForInputIdle(process_, 20000);
    WaitUntil(
        [&] {
            mainWindow_ = FindVisibleWindowOfProcess(processId_, [](HWND window) {
                return GetParent(window) == nullptr && WindowText(window) == L"Quorvel";
            });
            return mainWindow_ != nullptr;
        },
        20000, 50);
    if (mainWindow_ == nullptr) {
        ADD_FAILURE() << "no visible window captioned Quorvel appeared";
    }
}

QuorvelProcess::~QuorvelProcess() {
    if (process_ != nullptr) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 1);
        }
        CloseHandle(process_);
    }
}

DWORD QuorvelProcess::WaitForExit(DWORD milliseconds) {
    if (process_ == nullptr) {
        return STILL_ACTIVE;
    }
    WaitForSingleObject(process_, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}
