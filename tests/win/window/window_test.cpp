// quorvel.exe checked from outside, as another program sees it: its window, the controls, the
// keyboard interface and the exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/win/quorvel_process.h"
#include "tests/win/window/ui_driver.h"

namespace {

constexpr DWORD kButton =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_MULTILINE | BS_LEFT | BS_VCENTER;
constexpr DWORD kEdit =
    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

enum class Kind { kCheckBox, kRadio, kLabel, kEdit };

struct Expected {
    Kind kind;
    RECT rect;  // client coordinates of the main window
    const wchar_t* text;
    DWORD style;
    LRESULT check;  // BM_GETCHECK, for buttons
};

// From the top of the z-order down.
const std::array<Expected, 8> kControls{{
    {Kind::kCheckBox,
     {8, 72, 88, 88},
     L"\x5f00\x542f\x70ed\x952e"
     L"F1",  // 开启热键F1
     kButton | BS_AUTOCHECKBOX,
     BST_UNCHECKED},
    {Kind::kLabel, {40, 160, 160, 192}, L"\x6807\x7b7e", kLabel, 0},  // 标签
    {Kind::kRadio,
     {104, 48, 152, 64},
     L"\x6df7\x5408",
     kButton | BS_AUTORADIOBUTTON,  // 混合
     BST_CHECKED},
    {Kind::kLabel, {88, 72, 112, 88}, L"\x957f\r\n\x5ea6", kLabel, 0},  // 长\r\n度
    {Kind::kEdit, {120, 72, 144, 88}, L"6", kEdit, 0},
    {Kind::kRadio,
     {56, 48, 104, 64},
     L"\x6570\x5b57",
     kButton | BS_AUTORADIOBUTTON,  // 数字
     BST_UNCHECKED},
    {Kind::kRadio,
     {8, 48, 56, 64},
     L"\x5b57\x6bcd",
     kButton | BS_AUTORADIOBUTTON,  // 字母
     BST_UNCHECKED},
    {Kind::kEdit, {8, 8, 144, 40}, L"", kEdit | WS_DISABLED, 0},
}};

// Indexes into kControls.
constexpr int kCheckBox = 0, kLabel2 = 1, kMixed = 2, kLabel1 = 3, kLength = 4, kDigits = 5,
              kLetters = 6, kOutput = 7;

std::vector<HWND> ChildrenInZOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

RECT RectInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The edit box's height rule: at least one line of DEFAULT_GUI_FONT plus both edges.
int MinimumEditHeight() {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
}

LRESULT CheckOf(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0);
}

class WindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(quorvel_.MainWindow(), nullptr);
        controls_ = ChildrenInZOrder(quorvel_.MainWindow());
        ASSERT_EQ(controls_.size(), kControls.size());
        ASSERT_TRUE(BringToFront(quorvel_.MainWindow()));
    }

    HWND Focus() const { return FocusedWindowOf(quorvel_.ThreadId()); }

    bool FocusBecomes(int control) const {
        return WaitUntil([&] { return Focus() == controls_[control]; });
    }

    QuorvelProcess quorvel_;
    std::vector<HWND> controls_;
};

TEST(ProgramEnvironment, RunsUnderTheCodePageThatTheTestAsksFor) {
    wchar_t wanted[16] = {};
    if (GetEnvironmentVariableW(L"QUORVEL_TEST_ACP", wanted, 16) == 0) {
        GTEST_SKIP() << "QUORVEL_TEST_ACP not set";
    }
    if (lstrcmpW(wanted, L"936") == 0) {
        EXPECT_EQ(GetACP(), 936u);
    } else {
        EXPECT_NE(GetACP(), 936u) << "this run is meant for a code page other than 936";
    }
}

TEST(ProgramFile, CarriesTheIconTheManifestAndTheVersion) {
    const std::wstring path = PathBesideTestProgram(L"quorvel.exe");
    HMODULE program = LoadLibraryExW(path.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    HRSRC manifest = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(program, manifest))),
                           SizeofResource(program, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);

    HICON icon =
        static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    EXPECT_EQ(colour.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    FreeLibrary(program);

    std::vector<char> version(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_FALSE(version.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
    wchar_t* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(version.data(), L"\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, L"Quorvel");
}

TEST_F(WindowTest, StartsCentredWithItsControlsAsLaidOut) {
    const HWND window = quorvel_.MainWindow();
    RECT outer;
    GetWindowRect(window, &outer);
    const LONG left = (GetSystemMetrics(SM_CXSCREEN) - 158) / 2;
    const LONG top = (GetSystemMetrics(SM_CYSCREEN) - 122) / 2;
    EXPECT_EQ(outer.left, left);
    EXPECT_EQ(outer.top, top);
    EXPECT_EQ(outer.right - outer.left, 158);
    EXPECT_EQ(outer.bottom - outer.top, 122);
    if (GetSystemMetrics(SM_CXSCREEN) == 1920 && GetSystemMetrics(SM_CYSCREEN) == 1080) {
        EXPECT_EQ(outer.left, 881);
        EXPECT_EQ(outer.top, 479);
        EXPECT_EQ(outer.right, 1039);
        EXPECT_EQ(outer.bottom, 601);
    }
    // Windows adds WS_CLIPSIBLINGS and WS_EX_WINDOWEDGE to every captioned top-level window.
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & ~WS_CLIPSIBLINGS,
              static_cast<LONG>(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                WS_CLIPCHILDREN | WS_VISIBLE));
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_EQ(WindowText(window), L"Quorvel");

    const std::wstring labelClass = ClassOf(controls_[kLabel1]);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i) + " from the top of the z-order");
        const Expected& expected = kControls[i];
        const HWND control = controls_[i];
        const std::wstring className = ClassOf(control);
        switch (expected.kind) {
            case Kind::kCheckBox:
            case Kind::kRadio:
                EXPECT_EQ(lstrcmpiW(className.c_str(), L"Button"), 0) << className;
                EXPECT_EQ(CheckOf(control), expected.check);
                break;
            case Kind::kEdit:
                EXPECT_EQ(lstrcmpiW(className.c_str(), L"Edit"), 0) << className;
                break;
            case Kind::kLabel:
                EXPECT_EQ(className, labelClass);
                EXPECT_NE(lstrcmpiW(className.c_str(), L"Static"), 0);
                EXPECT_NE(lstrcmpiW(className.c_str(), L"Button"), 0);
                break;
        }
        RECT rect = RectInParent(control);
        RECT wanted = expected.rect;
        if (i == kLength) {
            wanted.bottom = wanted.top + std::max<LONG>(16, MinimumEditHeight());
        }
        EXPECT_EQ(rect.left, wanted.left);
        EXPECT_EQ(rect.top, wanted.top);
        EXPECT_EQ(rect.right, wanted.right);
        EXPECT_EQ(rect.bottom, wanted.bottom);
        EXPECT_EQ(WindowText(control), expected.text);
        // The button control itself keeps WS_TABSTOP on the selected radio button only.
        const DWORD ignored = expected.kind == Kind::kRadio ? WS_TABSTOP : 0;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & ~ignored, expected.style & ~ignored);
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & WS_GROUP, 0);
        EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE),
                  expected.kind == Kind::kEdit ? WS_EX_CLIENTEDGE : 0);
        EXPECT_TRUE(IsWindowVisible(control));
    }
    DWORD start = 1, end = 1;
    SendMessageW(controls_[kLength], EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_FALSE(IsWindowEnabled(controls_[kOutput]));

    // 标签2 lies below the client area.
    RECT client;
    GetClientRect(window, &client);
    EXPECT_GE(RectInParent(controls_[kLabel2]).top, client.bottom);

    EXPECT_TRUE(FocusBecomes(kLetters));
    EXPECT_EQ(CheckOf(controls_[kLetters]), BST_UNCHECKED);
}

TEST_F(WindowTest, TabAndShiftTabWalkTheFocusOrderAndSelectNothing) {
    ASSERT_TRUE(FocusBecomes(kLetters));
    for (const int next : {kDigits, kLength, kMixed, kCheckBox, kLetters}) {
        PressKey(VK_TAB);
        EXPECT_TRUE(FocusBecomes(next)) << "Tab towards control " << next;
    }
    for (const int previous : {kCheckBox, kMixed, kLength, kDigits, kLetters}) {
        PressKey(VK_TAB, {VK_SHIFT});
        EXPECT_TRUE(FocusBecomes(previous)) << "Shift+Tab towards control " << previous;
    }
    // Tab with another modifier is not the window's: the focus stays.
    PressKey(VK_TAB, {VK_CONTROL});
    PressKey(VK_TAB);
    EXPECT_TRUE(FocusBecomes(kDigits));
    EXPECT_EQ(CheckOf(controls_[kLetters]), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(controls_[kDigits]), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(controls_[kMixed]), BST_CHECKED);
}

TEST_F(WindowTest, ArrowKeysSelectTheNeighbouringRadioButton) {
    ASSERT_TRUE(FocusBecomes(kLetters));
    PressKey(VK_TAB, {VK_SHIFT});
    PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_TRUE(FocusBecomes(kMixed));

    struct Step {
        WORD key;
        int selected;
    };
    // Down and Right go forward, Up and Left back, wrapping around.
    for (const Step step : {Step{VK_DOWN, kLetters}, Step{VK_UP, kMixed}, Step{VK_LEFT, kDigits},
                            Step{VK_RIGHT, kMixed}, Step{VK_RIGHT, kLetters}}) {
        PressKey(step.key);
        EXPECT_TRUE(FocusBecomes(step.selected)) << "key " << step.key;
        for (const int radio : {kLetters, kDigits, kMixed}) {
            EXPECT_EQ(CheckOf(controls_[radio]),
                      radio == step.selected ? BST_CHECKED : BST_UNCHECKED)
                << "key " << step.key << ", radio button " << radio;
        }
    }

    // In the length box the arrows move the caret, not the selection.
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_TRUE(FocusBecomes(kLength));
    PressKey(VK_RIGHT);
    PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_TRUE(FocusBecomes(kDigits));
    EXPECT_EQ(CheckOf(controls_[kLetters]), BST_CHECKED);
}

TEST_F(WindowTest, SpaceTogglesTheCheckBoxAndTheOutputBoxTakesNoFocus) {
    ASSERT_TRUE(FocusBecomes(kLetters));
    PressKey(VK_TAB, {VK_SHIFT});
    ASSERT_TRUE(FocusBecomes(kCheckBox));
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return CheckOf(controls_[kCheckBox]) == BST_CHECKED; }));
    // The click handler may show a box: a message sent now is answered once it is on screen, or
    // once the click has been handled.
    SendMessageW(quorvel_.MainWindow(), WM_NULL, 0, 0);
    if (DismissMessageBoxes(quorvel_.ProcessId()) > 0) {
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(quorvel_.MainWindow()) != FALSE; }));
        ASSERT_TRUE(BringToFront(quorvel_.MainWindow()));
    }
    // Activation gives the focus back to the check box a moment after the window is in front.
    ASSERT_TRUE(FocusBecomes(kCheckBox));

    RECT output;
    GetWindowRect(controls_[kOutput], &output);
    const HWND before = Focus();
    ClickAt({(output.left + output.right) / 2, (output.top + output.bottom) / 2});
    SendMessageW(quorvel_.MainWindow(), WM_NULL, 0, 0);
    EXPECT_EQ(Focus(), before);
    EXPECT_NE(Focus(), controls_[kOutput]);
}

TEST_F(WindowTest, EscFromTheLengthBoxClosesWithExitCodeZero) {
    ASSERT_TRUE(FocusBecomes(kLetters));
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_TRUE(FocusBecomes(kLength));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(quorvel_.WaitForExit(), 0u);
}

TEST_F(WindowTest, CloseButtonEndsWithExitCodeZero) {
    const HWND window = quorvel_.MainWindow();
    RECT outer;
    GetWindowRect(window, &outer);
    // Find the close button along the middle of the title bar, from the right.
    const int y = outer.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    POINT close{-1, y};
    for (int x = outer.right - 1; x > outer.left && close.x < 0; --x) {
        if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
            close.x = x - 2;
        }
    }
    ASSERT_GE(close.x, 0) << "no close button found";
    ClickAt(close);
    EXPECT_EQ(quorvel_.WaitForExit(), 0u);
}

}  // namespace
