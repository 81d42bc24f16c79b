// The window search and the typing against real windows of this process.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "generate/type_into_window.h"
#include "generate/window_under_pointer.h"
#include "tests/win/typing/typing_test_support.h"

namespace {

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

constexpr wchar_t kPlainClass[] = L"QuorvelTestPlainWindow";

void RegisterPlainClass() {
    static const ATOM atom = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = kPlainClass;
        return RegisterClassW(&windowClass);
    }();
    ASSERT_NE(atom, 0);
}

UniqueWindow MakeWindow(HWND parent, DWORD style, RECT r) {
    RegisterPlainClass();
    return UniqueWindow{CreateWindowExW(0, kPlainClass, L"", style, r.left, r.top, r.right - r.left,
                                        r.bottom - r.top, parent, nullptr,
                                        GetModuleHandleW(nullptr), nullptr)};
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

WindowHandle Handle(const UniqueWindow& window) {
    return reinterpret_cast<WindowHandle>(window.get());
}

// A top-level window at (600, 600) of 300 x 300 with children in z-order: a large one, a small one
// inside it, a hidden one inside that, and a disabled one apart.
class RealWindows : public testing::Test {
  protected:
    UniqueWindow top = MakeWindow(nullptr, WS_POPUP | WS_VISIBLE, {600, 600, 900, 900});
    UniqueWindow large = MakeWindow(top.get(), WS_CHILD | WS_VISIBLE, {0, 0, 200, 200});
    UniqueWindow small = MakeWindow(top.get(), WS_CHILD | WS_VISIBLE, {50, 50, 100, 100});
    UniqueWindow hidden = MakeWindow(top.get(), WS_CHILD, {60, 60, 70, 70});
    UniqueWindow disabled =
        MakeWindow(top.get(), WS_CHILD | WS_VISIBLE | WS_DISABLED, {220, 220, 280, 280});

    void SetUp() override {
        ASSERT_TRUE(top && large && small && hidden && disabled);
        SetWindowPos(top.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Pump();
    }

    WindowHandle At(int x, int y) {
        PointAt({600 + x, 600 + y});
        return WindowUnderPointer();
    }
};

TEST_F(RealWindows, FindsTheSmallestVisibleSiblingBelowTheHitWindow) {
    // The system finds the large child on top; the smaller one below it covers the point too.
    EXPECT_EQ(At(65, 65), Handle(small));
    EXPECT_EQ(At(20, 20), Handle(large));
    ShowWindow(small.get(), SW_HIDE);
    EXPECT_EQ(At(65, 65), Handle(large));  // the hidden ones are passed over
}

TEST_F(RealWindows, TakesATopLevelWindowAsItIsAndSkipsDisabledChildren) {
    EXPECT_EQ(At(250, 150), Handle(top));
    EXPECT_EQ(At(250, 250), Handle(top));  // over the disabled child
}

// What reached this thread's queue: the window and (wParam, lParam) of every WM_CHAR.
struct PostedChar {
    HWND window;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<PostedChar> TakePostedChars() {
    std::vector<PostedChar> chars;
    MSG message;
    // The A function, so that the bytes come back as they were posted, without conversion.
    while (PeekMessageA(&message, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE)) {
        chars.push_back({message.hwnd, message.wParam, message.lParam});
    }
    return chars;
}

TEST(TypeIntoWindow, PostsEveryByteInOrderWithLParamZero) {
    const UniqueWindow target = MakeWindow(nullptr, WS_POPUP, {0, 0, 10, 10});
    TakePostedChars();
    TypeIntoWindow(reinterpret_cast<WindowHandle>(target.get()), "a\xb0\xa1Z0");
    const std::vector<PostedChar> chars = TakePostedChars();
    const WPARAM expected[] = {0x61, 0xB0, 0xA1, 0x5A, 0x30};  // both bytes of 啊, zero-extended
    ASSERT_EQ(chars.size(), std::size(expected));
    for (std::size_t i = 0; i < chars.size(); ++i) {
        EXPECT_EQ(chars[i].window, target.get());
        EXPECT_EQ(chars[i].wParam, expected[i]) << i;
        EXPECT_EQ(chars[i].lParam, 0) << i;
    }
}

TEST(TypeIntoWindow, PassesWindowZeroOnToTheCallingThreadsQueue) {
    TakePostedChars();
    TypeIntoWindow(0, "xy");
    const std::vector<PostedChar> chars = TakePostedChars();
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].window, nullptr);
    EXPECT_EQ(chars[0].wParam, WPARAM{'x'});
    EXPECT_EQ(chars[1].wParam, WPARAM{'y'});
}

TEST(TypeIntoWindow, GoesOnPastPostsThatFail) {
    const UniqueWindow target = MakeWindow(nullptr, WS_POPUP, {0, 0, 10, 10});
    HWND gone = MakeWindow(nullptr, WS_POPUP, {0, 0, 10, 10}).get();  // destroyed at once
    TakePostedChars();
    TypeIntoWindow(reinterpret_cast<WindowHandle>(gone), "lost");
    TypeIntoWindow(reinterpret_cast<WindowHandle>(target.get()), "ok");
    EXPECT_EQ(TakePostedChars().size(), 2u);
}

TEST(TypeIntoWindow, TypesNothingForTheEmptyText) {
    TakePostedChars();
    TypeIntoWindow(0, "");
    EXPECT_TRUE(TakePostedChars().empty());
}

}  // namespace
