// The main window in the test's own process: the control operations from worker threads, what they
// answer once the window has begun to close, the events, a label's feedback message, and how the
// window draws.
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "app/controls.h"
#include "app/main_window.h"
#include "tests/win/quorvel_process.h"
#include "tests/win/window/ui_driver.h"

namespace {

const Text kMixedAbc =
    "\xbb\xec\xba\xcf"
    "abc";  // 混合abc

// Handles every message in the thread's queue until the condition holds or the timeout passes.
bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 20000) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    return true;
}

struct MessageBoxSearch {
    HWND box = nullptr;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM lParam) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(window)) {
        reinterpret_cast<MessageBoxSearch*>(lParam)->box = window;
        return FALSE;
    }
    return TRUE;
}

HWND MessageBoxOfThread(DWORD threadId) {
    MessageBoxSearch search;
    EnumThreadWindows(threadId, FindMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.box;
}

// A 32-bit top-down DIB selected into a memory DC.
struct Canvas {
    explicit Canvas(SIZE size) : size(size) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.cx;
        info.bmiHeader.biHeight = -size.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // As 0x00RRGGBB.
    std::vector<std::uint32_t> Pixels() const {
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        return std::vector<std::uint32_t>(pixels, pixels + size.cx * size.cy);
    }

    SIZE size;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    void* bits = nullptr;
};

// Pixels of a window's client area drawn through WM_PRINTCLIENT.
std::vector<std::uint32_t> Render(HWND window, SIZE& size) {
    RECT client;
    GetClientRect(window, &client);
    size = {client.right, client.bottom};
    Canvas canvas(size);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc),
                 PRF_CLIENT | PRF_ERASEBKGND);
    return canvas.Pixels();
}

int CountRed(const std::vector<std::uint32_t>& pixels) {
    int count = 0;
    for (const std::uint32_t pixel : pixels) {
        const int red = (pixel >> 16) & 0xff, green = (pixel >> 8) & 0xff, blue = pixel & 0xff;
        count += red >= 180 && green <= 80 && blue <= 80;
    }
    return count;
}

class InProcessWindow : public testing::Test {
  protected:
    void SetUp() override {
        events_.windowCreated = [this] { OnCreated(); };
        events_.hotKeyBoxClicked = [this] {
            ++clicks_;
            checkedWhenClicked_ = IsChecked(Control::选择框1);
        };
        events_.label2Feedback = [this](std::int32_t first, std::int32_t second) {
            feedback_.push_back({first, second});
        };
        events_.messageWatcher = [this](HWND, UINT message, WPARAM wParam, LPARAM) {
            if (message == WM_HOTKEY) {
                watchedHotKeys_.push_back(wParam);
            }
        };
        events_.windowWillBeDestroyed = [this] {
            if (onClosing_) {
                onClosing_();
            }
        };
        window_ = std::make_unique<MainWindow>(events_);
        ASSERT_TRUE(window_->Create(GetModuleHandleW(nullptr)));
        ShowWindow(window_->Handle(), SW_SHOW);
    }

    void TearDown() override {
        window_.reset();
        // The closed window posted WM_QUIT; the next test's loops must not see it.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    void OnCreated() {
        ++created_;
        mainVisibleWhenCreated_ = IsWindowVisible(GetMainWindowHandle()) != FALSE;
        for (const Control control : kAllControls) {
            const HWND window = GetWindowHandle(control);
            // WS_VISIBLE itself: IsWindowVisible is false while the parent is hidden.
            controlsShownWhenCreated_ &=
                window != nullptr && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
        }
    }

    HWND Handle(Control control) const { return window_->ControlHandle(control); }

    static constexpr Control kAllControls[] = {
        Control::选择框1,     Control::标签2,       Control::单选框_混合, Control::标签1,
        Control::编辑框_长度, Control::单选框_数字, Control::单选框_字母, Control::编辑框1};

    WindowEvents events_;
    std::unique_ptr<MainWindow> window_;
    int created_ = 0;
    bool mainVisibleWhenCreated_ = true;
    bool controlsShownWhenCreated_ = true;
    int clicks_ = 0;
    std::optional<bool> checkedWhenClicked_;
    std::vector<std::pair<std::int32_t, std::int32_t>> feedback_;
    std::vector<WPARAM> watchedHotKeys_;
    std::function<void()> onClosing_;
};

TEST_F(InProcessWindow, OperationsAnswerAWorkerWhileTheInterfaceRunsAModalLoop) {
    const DWORD uiThread = GetCurrentThreadId();
    struct Answers {
        HWND main = nullptr, label2 = nullptr;
        std::optional<bool> mixed, letters, digits, hotKeyBox;
        std::optional<Text> length, outputAfterSet, outputAfterEmpty;
        bool set = false, emptied = false, sawBox = false;
    } answers;
    std::thread worker([&] {
        HWND box = nullptr;
        answers.sawBox = WaitUntil([&] { return (box = MessageBoxOfThread(uiThread)) != nullptr; });
        answers.main = GetMainWindowHandle();
        answers.label2 = GetWindowHandle(Control::标签2);
        answers.mixed = IsChecked(Control::单选框_混合);
        answers.letters = IsChecked(Control::单选框_字母);
        answers.digits = IsChecked(Control::单选框_数字);
        answers.hotKeyBox = IsChecked(Control::选择框1);
        answers.length = GetText(Control::编辑框_长度);
        answers.set = SetText(Control::编辑框1, kMixedAbc);
        answers.outputAfterSet = GetText(Control::编辑框1);
        if (box != nullptr) {
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    });
    MessageBoxW(nullptr, L"modal loop", L"test", MB_OK | MB_TASKMODAL);
    worker.join();

    ASSERT_TRUE(answers.sawBox);
    EXPECT_EQ(answers.main, window_->Handle());
    EXPECT_EQ(answers.label2, Handle(Control::标签2));
    EXPECT_EQ(answers.mixed, std::optional<bool>(true));
    EXPECT_EQ(answers.letters, std::optional<bool>(false));
    EXPECT_EQ(answers.digits, std::optional<bool>(false));
    EXPECT_EQ(answers.hotKeyBox, std::optional<bool>(false));
    EXPECT_EQ(answers.length, std::optional<Text>("6"));
    EXPECT_TRUE(answers.set);
    // Code-page-936 bytes on both sides, the right characters on the screen, whatever the
    // system's code page.
    EXPECT_EQ(answers.outputAfterSet, std::optional<Text>(kMixedAbc));
    EXPECT_EQ(WindowText(Handle(Control::编辑框1)),
              L"\x6df7\x5408"
              L"abc");  // 混合abc

    EXPECT_TRUE(SetText(Control::编辑框1, ""));
    EXPECT_EQ(GetText(Control::编辑框1), std::optional<Text>(""));
}

TEST_F(InProcessWindow, OperationsAnswerGoneOnceTheWindowBeginsToClose) {
    struct Answers {
        HWND main = nullptr;
        std::optional<bool> checked = true;
        std::optional<Text> text = Text("x");
        bool set = true;
    };
    Answers onUiThread, onWorker;
    const auto ask = [](Answers& answers) {
        answers.main = GetMainWindowHandle();
        answers.checked = IsChecked(Control::单选框_混合);
        answers.text = GetText(Control::编辑框_长度);
        answers.set = SetText(Control::编辑框1, "abc");
    };
    onClosing_ = [&] {
        ask(onUiThread);
        std::thread worker([&] { ask(onWorker); });
        worker.join();
    };
    DestroyWindow(window_->Handle());

    for (const Answers* answers : {&onUiThread, &onWorker}) {
        EXPECT_NE(answers->main, nullptr) << "the window still exists while it closes";
        EXPECT_EQ(answers->checked, std::nullopt);
        EXPECT_EQ(answers->text, std::nullopt);
        EXPECT_FALSE(answers->set);
    }
    EXPECT_EQ(GetMainWindowHandle(), nullptr);
    EXPECT_EQ(IsChecked(Control::选择框1), std::nullopt);
    EXPECT_EQ(GetText(Control::编辑框1), std::nullopt);
    EXPECT_FALSE(SetText(Control::编辑框1, "abc"));
}

TEST_F(InProcessWindow, AWorkerRacingTheCloseSeesAnswersThenOnlyGone) {
    std::atomic<int> answered{0};
    std::atomic<bool> done{false};
    std::atomic<int> answersAfterGone{0};
    std::thread worker([&] {
        bool gone = false;
        for (int i = 0; i < 100000 && !done; ++i) {
            const bool set = SetText(Control::编辑框1, kMixedAbc);
            const std::optional<Text> text = GetText(Control::编辑框1);
            if (!set || !text) {
                gone = true;
            } else if (gone) {
                ++answersAfterGone;
            } else {
                EXPECT_EQ(*text, kMixedAbc);
                ++answered;
            }
            if (gone && i % 16 == 0) {
                done = !IsChecked(Control::单选框_混合).has_value();
            }
        }
        done = true;
    });
    ASSERT_TRUE(PumpUntil([&] { return answered >= 20; }));
    DestroyWindow(window_->Handle());
    ASSERT_TRUE(PumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(answersAfterGone, 0);
}

TEST_F(InProcessWindow, TheHiddenLabelRaisesItsFeedbackEvent) {
    EXPECT_EQ(SendMessageW(Handle(Control::标签2), kLabelFeedbackMessage, 33001, -7), 0);
    EXPECT_EQ(SendMessageW(Handle(Control::标签2), kLabelFeedbackMessage, 0xFFFFFFFFu, 5), 0);
    // 标签1 has no handler.
    EXPECT_EQ(SendMessageW(Handle(Control::标签1), kLabelFeedbackMessage, 1, 2), 0);
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected{{33001, -7}, {-1, 5}};
    EXPECT_EQ(feedback_, expected);

    RECT client;
    GetClientRect(window_->Handle(), &client);
    RECT label;
    GetWindowRect(Handle(Control::标签2), &label);
    MapWindowPoints(nullptr, window_->Handle(), reinterpret_cast<POINT*>(&label), 2);
    EXPECT_GE(label.top, client.bottom) << "标签2 lies below the client area";
}

TEST_F(InProcessWindow, RaisesItsEventsAtTheirMoments) {
    EXPECT_EQ(created_, 1);
    EXPECT_FALSE(mainVisibleWhenCreated_);
    EXPECT_TRUE(controlsShownWhenCreated_);

    PostMessageW(window_->Handle(), WM_HOTKEY, 33001, 0);
    ASSERT_TRUE(PumpUntil([&] { return !watchedHotKeys_.empty(); }));
    EXPECT_EQ(watchedHotKeys_.front(), 33001u);

    SendMessageW(Handle(Control::单选框_数字), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks_, 0) << "radio buttons have no click handler";
    SendMessageW(Handle(Control::选择框1), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(checkedWhenClicked_, std::optional<bool>(true)) << "raised after the box toggled";
}

TEST_F(InProcessWindow, RestoresTheFocusOnReactivation) {
    ASSERT_TRUE(BringToFront(window_->Handle()));
    EXPECT_EQ(GetFocus(), Handle(Control::单选框_字母));
    SetFocus(Handle(Control::编辑框_长度));

    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 50,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(BringToFront(other));
    ASSERT_TRUE(BringToFront(window_->Handle()));
    EXPECT_EQ(GetFocus(), Handle(Control::编辑框_长度));
    DestroyWindow(other);
}

TEST_F(InProcessWindow, FontsIconAndOneCentredLineInTheEditBoxes) {
    const auto fontOf = [](HWND window) {
        return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    };
    const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(fontOf(window_->Handle()), gui);
    for (const Control control : {Control::选择框1, Control::单选框_混合, Control::单选框_数字,
                                  Control::单选框_字母, Control::编辑框_长度}) {
        EXPECT_EQ(fontOf(Handle(control)), gui);
    }
    LOGFONTW output{};
    ASSERT_GT(GetObjectW(fontOf(Handle(Control::编辑框1)), sizeof output, &output), 0);
    EXPECT_EQ(output.lfHeight, -16);
    EXPECT_EQ(output.lfWeight, FW_BOLD);
    EXPECT_EQ(output.lfQuality, PROOF_QUALITY);
    EXPECT_STREQ(output.lfFaceName, L"");

    for (const Control control : {Control::编辑框1, Control::编辑框_长度}) {
        const HWND edit = Handle(control);
        HDC dc = GetDC(edit);
        const HGDIOBJ previous = SelectObject(dc, fontOf(edit));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, previous);
        ReleaseDC(edit, dc);
        RECT outer, client;
        GetWindowRect(edit, &outer);
        GetClientRect(edit, &client);
        MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const int edge = GetSystemMetrics(SM_CYEDGE);
        const int room = (outer.bottom - outer.top) - 2 * edge;
        EXPECT_EQ(client.bottom - client.top, std::min<LONG>(room, metrics.tmHeight));
        EXPECT_EQ(client.top - (outer.top + edge), (room - (client.bottom - client.top)) / 2);
        EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no length limit";
    }

    for (const WPARAM kind : {ICON_BIG, ICON_SMALL}) {
        const auto icon =
            reinterpret_cast<HICON>(SendMessageW(window_->Handle(), WM_GETICON, kind, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, 32);
        EXPECT_EQ(colour.bmBitsPixel, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST_F(InProcessWindow, AnswersTheControlColours) {
    struct Case {
        Control control;
        UINT message;
        COLORREF text;
        COLORREF background;
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Case cases[] = {
        {Control::编辑框_长度, WM_CTLCOLOREDIT, RGB(0, 0, 0), RGB(255, 255, 255)},
        {Control::编辑框1, WM_CTLCOLORSTATIC, RGB(0, 0, 0), RGB(255, 255, 255)},  // disabled
        {Control::选择框1, WM_CTLCOLORSTATIC, RGB(255, 0, 0), face},
        {Control::单选框_字母, WM_CTLCOLORSTATIC, RGB(0, 0, 0), face},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const Case& c : cases) {
        SetTextColor(dc, RGB(1, 2, 3));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(window_->Handle(), c.message, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(Handle(c.control))));
        LOGBRUSH logBrush{};
        ASSERT_GT(GetObjectW(brush, sizeof logBrush, &logBrush), 0);
        EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(logBrush.lbColor, c.background);
        EXPECT_EQ(GetTextColor(dc), c.text);
        EXPECT_EQ(GetBkColor(dc), c.background);
    }
    DeleteDC(dc);
}

// On Windows a themed check box ignores WM_CTLCOLORSTATIC (Wine's honours it, so a full render
// cannot show the difference here): under visual styles the window paints the box itself when
// it is offered NM_CUSTOMDRAW, red text included, and leaves the drawing to the control only
// when the box is unthemed, where WM_CTLCOLORSTATIC makes it red.
TEST_F(InProcessWindow, CheckBoxTextIsRedWithAndWithoutVisualStyles) {
    const HWND box = Handle(Control::选择框1);
    ASSERT_NE(GetWindowTheme(box), nullptr) << "visual styles are not active";
    RECT client;
    GetClientRect(box, &client);
    for (const DWORD stage : {CDDS_PREERASE, CDDS_PREPAINT}) {
        SCOPED_TRACE(stage);
        Canvas canvas({client.right, client.bottom});
        NMCUSTOMDRAW draw{};
        draw.hdr = {box, static_cast<UINT_PTR>(GetDlgCtrlID(box)),
                    static_cast<UINT>(NM_CUSTOMDRAW)};
        draw.dwDrawStage = stage;
        draw.hdc = canvas.dc;
        draw.rc = client;
        EXPECT_EQ(SendMessageW(window_->Handle(), WM_NOTIFY, draw.hdr.idFrom,
                               reinterpret_cast<LPARAM>(&draw)),
                  CDRF_SKIPDEFAULT);
        EXPECT_GT(CountRed(canvas.Pixels()), 10);
    }
    SIZE size{};
    EXPECT_GT(CountRed(Render(box, size)), 10) << "themed, as drawn by the box";
    EXPECT_EQ(CountRed(Render(Handle(Control::单选框_字母), size)), 0);

    // A class list that names no themed class leaves the box unthemed.
    SetWindowTheme(box, nullptr, L"NoSuchThemeClass");
    ASSERT_EQ(GetWindowTheme(box), nullptr);
    NMCUSTOMDRAW draw{};
    draw.hdr = {box, static_cast<UINT_PTR>(GetDlgCtrlID(box)), static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(SendMessageW(window_->Handle(), WM_NOTIFY, draw.hdr.idFrom,
                           reinterpret_cast<LPARAM>(&draw)),
              CDRF_DODEFAULT);
    EXPECT_GT(CountRed(Render(box, size)), 10) << "classic";
}

}  // namespace
