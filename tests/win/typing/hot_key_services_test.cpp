// The hot-key services in this process, where what they ask of the system can be seen: the
// identifiers, the forwarding of presses to the target, repeats, and the information box.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <thread>
#include <type_traits>
#include <vector>

#include "app/controls.h"
#include "hotkey/info_box.h"
#include "hotkey/routed_hot_key.h"
#include "tests/win/typing/typing_test_support.h"

namespace {

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// What the windows saw, in order: "feedback <wParam> <lParam>" at the target, "hotkey <id>" in the
// window's own handling.
std::vector<std::string> seen;

LRESULT CALLBACK HotKeyWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ForwardRoutedHotKey(window, message, wParam, lParam);
    if (message == WM_HOTKEY) {
        seen.push_back("hotkey " + std::to_string(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kLabelFeedbackMessage) {
        seen.push_back("feedback " + std::to_string(wParam) + " " + std::to_string(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

UniqueWindow MakeWindow(const wchar_t* className, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return UniqueWindow{CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr)};
}

void PumpUntil(const std::function<bool()>& condition) {
    EXPECT_TRUE(WaitUntil([&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        return condition();
    }));
}

void SendF1(std::initializer_list<DWORD> flags) {
    std::vector<INPUT> inputs;
    for (const DWORD f : flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_F1;
        input.ki.dwFlags = f;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class RoutedHotKey : public testing::Test {
  protected:
    UniqueWindow window = MakeWindow(L"QuorvelTestHotKeyWindow", HotKeyWindowProcedure);
    UniqueWindow other = MakeWindow(L"QuorvelTestHotKeyWindow", HotKeyWindowProcedure);
    UniqueWindow target = MakeWindow(L"QuorvelTestTarget", TargetProcedure);

    void SetUp() override {
        ASSERT_TRUE(window && other && target);
        seen.clear();
    }
};

// Runs first: the identifiers of a fresh process.
TEST_F(RoutedHotKey, IssuesTheNextIdentifierOnEveryCallAndZeroWhenRefused) {
    EXPECT_EQ(RegisterRoutedHotKey(window.get(), target.get(), 0, VK_F1), 33001);
    EXPECT_EQ(RegisterRoutedHotKey(other.get(), target.get(), 0, VK_F1), 0);  // F1 is taken
    UnregisterRoutedHotKey(window.get(), 33001);
    UnregisterRoutedHotKey(window.get(), 33001);  // released already: ignored
    UnregisterRoutedHotKey(window.get(), 0);
    EXPECT_EQ(RegisterRoutedHotKey(other.get(), target.get(), 0, VK_F1), 33003);
    UnregisterRoutedHotKey(other.get(), 33003);
}

TEST_F(RoutedHotKey, ForwardsOnlyTheIdentifiersIssuedToTheTarget) {
    const std::int32_t id = RegisterRoutedHotKey(window.get(), target.get(), 0, VK_F1);
    ASSERT_NE(id, 0);
    UnregisterRoutedHotKey(window.get(), id);  // a press queued before the release still counts
    ForwardRoutedHotKey(window.get(), WM_HOTKEY, id, MAKELPARAM(0, VK_F1));
    EXPECT_EQ(seen, std::vector<std::string>{"feedback " + std::to_string(id) + " 0"});
    // The send has run the target's handling when it returns; nothing else is forwarded.
    ForwardRoutedHotKey(window.get(), WM_HOTKEY, 33000, 0);
    ForwardRoutedHotKey(window.get(), WM_HOTKEY, id + 1, 0);
    ForwardRoutedHotKey(window.get(), WM_KEYDOWN, id, 0);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(RoutedHotKey, APressReachesTheTargetBeforeTheWindowsOwnHandling) {
    const std::int32_t id = RegisterRoutedHotKey(window.get(), target.get(), 0, VK_F1);
    ASSERT_NE(id, 0);
    SendF1({0, KEYEVENTF_KEYUP});
    PumpUntil([] { return seen.size() >= 2; });
    const std::string identifier = std::to_string(id);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"feedback " + identifier + " 0", "hotkey " + identifier}));
    UnregisterRoutedHotKey(window.get(), id);
}

TEST_F(RoutedHotKey, EveryKeyRepeatIsAPress) {
    const std::int32_t id = RegisterRoutedHotKey(window.get(), target.get(), 0, VK_F1);
    ASSERT_NE(id, 0);
    // A second key-down without key-up is a repeat, which MOD_NOREPEAT would swallow on Windows.
    SendF1({0, 0, KEYEVENTF_KEYUP});
    PumpUntil([] { return seen.size() >= 4; });
    EXPECT_EQ(seen.size(), 4u);
    UnregisterRoutedHotKey(window.get(), id);
}

TEST(InfoBox, IsTaskModalWithTheCaptionTheTextAndOneOkButton) {
    const UniqueWindow window = MakeWindow(L"QuorvelTestPlain", DefWindowProcW);
    ShowWindow(window.get(), SW_SHOWNA);
    MessageBoxContent content{};
    bool windowEnabledWhileOpen = true;
    std::thread dismisser([&] {
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindMessageBox(GetCurrentProcessId())) != nullptr; });
        ASSERT_NE(box, nullptr);
        content = ReadMessageBox(box);
        windowEnabledWhileOpen = IsWindowEnabled(window.get()) != FALSE;
        DismissMessageBox(box);
    });
    ShowInfoBox("\xd2\xd1\xbf\xaa\xc6\xf4\x46\x31", MB_OK);  // 已开启F1
    dismisser.join();
    EXPECT_EQ(content.caption, L"\x4fe1\x606f\xff1a");  // 信息：
    EXPECT_EQ(content.text,
              L"\x5df2\x5f00\x542f"
              L"F1");
    EXPECT_EQ(content.buttons, 1);
    EXPECT_TRUE(content.hasOk);
    EXPECT_FALSE(windowEnabledWhileOpen) << "the box does not hold the thread's windows";
    EXPECT_TRUE(IsWindowEnabled(window.get()));
}

}  // namespace
