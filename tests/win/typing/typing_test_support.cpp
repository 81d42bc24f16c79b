#include "tests/win/typing/typing_test_support.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/win/quorvel_process.h"
#include "tests/win/typing/char_recorder_protocol.h"

namespace {

HWND FindProcessWindowOfClass(DWORD processId, const wchar_t* className) {
    return FindVisibleWindowOfProcess(processId, [className](HWND window) {
        wchar_t name[64];
        return GetClassNameW(window, name, ARRAYSIZE(name)) > 0 && lstrcmpW(name, className) == 0;
    });
}

}  // namespace

CharRecorder::CharRecorder() {
    PROCESS_INFORMATION info;
    if (!StartProcess(CommandBesideTestProgram(L"char_recorder.exe"), info)) {
        ADD_FAILURE() << "char_recorder.exe did not start, error " << GetLastError();
        return;
    }
    process_ = info.hProcess;
    WaitUntil([&] {
        window_ = FindProcessWindowOfClass(info.dwProcessId, kCharRecorderClass);
        return window_ != nullptr;
    });
    if (window_ == nullptr) {
        ADD_FAILURE() << "the recorder's window did not appear";
    }
}

CharRecorder::~CharRecorder() {
    if (process_ != nullptr) {
        CloseChildProcess(process_, window_);
    }
}

POINT CharRecorder::Centre() const {
    return CentreOf(window_);
}

int CharRecorder::Count() const {
    return static_cast<int>(SendMessageW(window_, kRecorderCount, 0, 0));
}

std::string CharRecorder::Chars() const {
    std::string chars;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const auto wParam = SendMessageW(window_, kRecorderCharAt, i, 0);
        chars.push_back(wParam >= 0 && wParam <= 255 ? static_cast<char>(wParam) : '?');
    }
    return chars;
}

bool CharRecorder::AllLParamsZero() const {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        if (SendMessageW(window_, kRecorderLParamAt, i, 0) != 0) {
            return false;
        }
    }
    return true;
}

DWORD CharRecorder::TimeAt(int index) const {
    return static_cast<DWORD>(SendMessageW(window_, kRecorderTimeAt, index, 0));
}

void CharRecorder::Clear() const {
    SendMessageW(window_, kRecorderClear, 0, 0);
}

HWND WaitForNotepadEdit(DWORD processId) {
    HWND edit = nullptr;
    // The frame appears before it has created its edit box.
    WaitUntil(
        [&] {
            HWND frame = FindProcessWindowOfClass(processId, L"Notepad");
            edit = frame != nullptr ? FindWindowExW(frame, nullptr, L"Edit", nullptr) : nullptr;
            return edit != nullptr;
        },
        60000);
    return edit;
}

HWND ControlWindow(HWND mainWindow, Control control) {
    HWND child = GetWindow(mainWindow, GW_CHILD);
    for (int i = 0; i < static_cast<int>(control) && child != nullptr; ++i) {
        child = GetWindow(child, GW_HWNDNEXT);
    }
    return child;
}

std::string WindowTextBytes(HWND window) {
    const std::wstring text = WindowText(window);
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(936, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(936, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

void PointAt(POINT point) {
    SetCursorPos(point.x, point.y);
    const bool arrived = WaitUntil([&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
    });
    EXPECT_TRUE(arrived) << "the pointer did not move to " << point.x << "," << point.y;
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PressF1() {
    INPUT inputs[2]{};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = VK_F1;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    EXPECT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
}

HWND FindMessageBox(DWORD processId) {
    return FindProcessWindowOfClass(processId, L"#32770");
}

namespace {

BOOL CALLBACK CountButton(HWND window, LPARAM lParam) {
    auto& content = *reinterpret_cast<MessageBoxContent*>(lParam);
    wchar_t className[16];
    if (GetClassNameW(window, className, ARRAYSIZE(className)) > 0 &&
        lstrcmpiW(className, L"Button") == 0 && IsWindowVisible(window)) {
        ++content.buttons;
        content.hasOk = content.hasOk || GetDlgCtrlID(window) == IDOK;
    }
    return TRUE;
}

}  // namespace

MessageBoxContent ReadMessageBox(HWND box) {
    MessageBoxContent content{WindowText(box), L"", 0, false};
    if (HWND text = GetDlgItem(box, 0xFFFF)) {
        content.text = WindowText(text);
    }
    EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&content));
    return content;
}

void DismissMessageBox(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the message box stayed open";
}
