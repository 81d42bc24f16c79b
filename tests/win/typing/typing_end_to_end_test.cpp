// The whole job from outside, as a user and other programs see it: quorvel.exe as a child process,
// the F1 key pressed with SendInput, and the characters arriving in windows of other processes.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/win/quorvel_process.h"
#include "tests/win/typing/typing_test_support.h"

namespace {

const std::wstring kCaption = L"\x4fe1\x606f\xff1a";  // 信息：
const std::wstring kEnabled =
    L"\x5df2\x5f00\x542f"
    L"F1\x952e\x952e\x81ea\x52a8\x751f\x6210";  // 已开启F1键键自动生成
const std::wstring kDisabled =
    L"\x5df2\x5173\x95ed"
    L"F1\x952e\x952e\x81ea\x52a8\x751f\x6210";  // 已关闭F1键键自动生成
const std::wstring kRefused =
    L"F1\x952e\x5df2\x88ab\x5176\x4ed6\x7a0b\x5e8f\x5360\x7528\xff0c\x672a\x80fd\x5f00\x542f"
    L"\x81ea\x52a8\x751f\x6210";  // F1键已被其他程序占用，未能开启自动生成

const std::string kLower = "abcdefghijklmnopqrstuvwxyz";
const std::string kDigits = "0123456789";

bool AllIn(const std::string& text, const std::string& alphabet) {
    return text.find_first_not_of(alphabet) == std::string::npos;
}

// Quorvel and a recording target window of another process.
class Typing : public testing::Test {
  protected:
    CharRecorder recorder;
    QuorvelProcess quorvel;

    void SetUp() override {
        ASSERT_NE(recorder.Window(), nullptr);
        ASSERT_NE(quorvel.MainWindow(), nullptr);
    }

    HWND Control(Control control) const { return ControlWindow(quorvel.MainWindow(), control); }
    std::string Output() const { return WindowTextBytes(Control(Control::编辑框1)); }

    bool HotKeyBoxTicked() const {
        return SendMessageW(Control(Control::选择框1), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    // Clicks 选择框1 and returns the box that it shows, dismissed.
    MessageBoxContent ClickHotKeyBox() {
        PostMessageW(Control(Control::选择框1), BM_CLICK, 0, 0);
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindMessageBox(quorvel.ProcessId())) != nullptr; });
        if (box == nullptr) {
            ADD_FAILURE() << "no message box appeared";
            return {};
        }
        const MessageBoxContent content = ReadMessageBox(box);
        DismissMessageBox(box);
        return content;
    }

    void TurnOn() {
        const MessageBoxContent box = ClickHotKeyBox();
        ASSERT_EQ(box.text, kEnabled);
        ASSERT_TRUE(HotKeyBoxTicked());
    }

    void Select(::Control radioButton) {
        for (const ::Control c :
             {Control::单选框_字母, Control::单选框_数字, Control::单选框_混合}) {
            SendMessageW(Control(c), BM_SETCHECK, c == radioButton ? BST_CHECKED : BST_UNCHECKED,
                         0);
        }
    }

    void SetLength(const wchar_t* text) {
        SendMessageW(Control(Control::编辑框_长度), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }

    // Presses F1 over the recorder and waits until it has `count` characters in all.
    std::string PressOverRecorder(int count) {
        PointAt(recorder.Centre());
        PressF1();
        EXPECT_TRUE(WaitUntil([&] {
            return recorder.Count() >= count && Output().size() == static_cast<std::size_t>(count);
        })) << "received "
            << recorder.Count() << ", shown \"" << Output() << "\"";
        return recorder.Chars();
    }
};

TEST_F(Typing, TickConfirmsAndAPressTypesTheShownStringIntoTheWindowUnderThePointer) {
    const MessageBoxContent box = ClickHotKeyBox();
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.text, kEnabled);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.hasOk);

    // At start: mixed, length 6.
    const std::string typed = PressOverRecorder(6);
    EXPECT_EQ(typed, Output());
    EXPECT_TRUE(AllIn(typed, kDigits + kLower)) << typed;
    EXPECT_TRUE(recorder.AllLParamsZero());
}

TEST_F(Typing, TypesTheSelectedKindWithTheLengthOfTheLengthText) {
    TurnOn();
    const struct {
        ::Control kind;
        const wchar_t* length;
        int count;
        std::string alphabet;
    } cases[] = {
        {Control::单选框_字母, L"6", 6, kLower},
        {Control::单选框_数字, L"6", 6, kDigits},
        {Control::单选框_混合, L"1e1", 10, kDigits + kLower},
        {Control::单选框_数字, L" +3.9", 3, kDigits},
    };
    for (const auto& c : cases) {
        recorder.Clear();
        Select(c.kind);
        SetLength(c.length);
        const std::string typed = PressOverRecorder(c.count);
        EXPECT_EQ(typed, Output());
        EXPECT_EQ(typed.size(), static_cast<std::size_t>(c.count));
        EXPECT_TRUE(AllIn(typed, c.alphabet)) << typed;
        EXPECT_TRUE(recorder.AllLParamsZero());
    }
}

TEST_F(Typing, ANegativeLengthEmptiesTheOutputAndTypesNothing) {
    TurnOn();
    PressOverRecorder(6);
    recorder.Clear();
    SetLength(L"-3");
    PressF1();
    EXPECT_TRUE(WaitUntil([&] { return Output().empty(); }));
    // A later press of two characters: exactly those two arrive, nothing of the empty run.
    SetLength(L"2");
    const std::string typed = PressOverRecorder(2);
    EXPECT_EQ(typed, Output());
}

TEST_F(Typing, TypesIntoTheLengthBoxUnderThePointer) {
    TurnOn();
    HWND lengthBox = Control(Control::编辑框_长度);
    PointAt(CentreOf(lengthBox));
    PressF1();
    // The six characters join the "6" that was there.
    EXPECT_TRUE(WaitUntil([&] { return WindowTextBytes(lengthBox).size() == 7; }))
        << WindowTextBytes(lengthBox);
    const std::string output = Output();
    EXPECT_EQ(output.size(), 6u);
    EXPECT_NE(WindowTextBytes(lengthBox).find(output), std::string::npos)
        << WindowTextBytes(lengthBox) << " lacks " << output;
    EXPECT_EQ(recorder.Count(), 0);
}

TEST_F(Typing, ClearingTheBoxConfirmsAndReleasesF1) {
    TurnOn();
    const MessageBoxContent box = ClickHotKeyBox();
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.text, kDisabled);
    EXPECT_FALSE(HotKeyBoxTicked());

    PointAt(recorder.Centre());
    PressF1();
    Sleep(1500);  // time for a run that should not happen
    EXPECT_EQ(recorder.Count(), 0);
    EXPECT_EQ(Output(), "");
    // F1 is free for another program.
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F1));
    UnregisterHotKey(nullptr, 1);
}

TEST_F(Typing, F1HeldByAnotherProgramIsReportedAndTheBoxIsClearedAgain) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F1));
    const MessageBoxContent box = ClickHotKeyBox();
    EXPECT_EQ(box.caption, kCaption);
    EXPECT_EQ(box.text, kRefused);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_FALSE(HotKeyBoxTicked());

    // The press goes to the program that holds F1, and Quorvel starts nothing.
    PointAt(recorder.Centre());
    PressF1();
    MSG message;
    EXPECT_TRUE(WaitUntil(
        [&] { return PeekMessageW(&message, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE); }));
    Sleep(1000);
    EXPECT_EQ(recorder.Count(), 0);
    EXPECT_EQ(Output(), "");

    // Once F1 is free, a tick takes it.
    UnregisterHotKey(nullptr, 1);
    TurnOn();
    const std::string typed = PressOverRecorder(6);
    EXPECT_EQ(typed, Output());
}

TEST_F(Typing, APressWhileTheConfirmationIsOpenIsAccepted) {
    PostMessageW(Control(Control::选择框1), BM_CLICK, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(quorvel.ProcessId())) != nullptr; }));
    const std::string typed = PressOverRecorder(6);
    EXPECT_EQ(typed, Output());
    EXPECT_TRUE(IsWindow(box));
    DismissMessageBox(box);
}

// Only a feedback with the identifier of the current registration starts a run.
TEST_F(Typing, OnlyTheCurrentIdentifierStartsARun) {
    HWND label = Control(Control::标签2);
    PointAt(recorder.Centre());
    // The first registration (33001) is refused, which leaves no identifier to accept, 0 included.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F1));
    EXPECT_EQ(ClickHotKeyBox().text, kRefused);
    UnregisterHotKey(nullptr, 1);
    SendMessageW(label, kLabelFeedbackMessage, 0, 0);
    SendMessageW(label, kLabelFeedbackMessage, 33001, 0);
    // The second one (33002) takes F1.
    TurnOn();
    SendMessageW(label, kLabelFeedbackMessage, 33001, 0);
    SendMessageW(label, kLabelFeedbackMessage, 33003, 0);
    Sleep(1000);  // time for runs that should not happen
    EXPECT_EQ(recorder.Count(), 0);
    SendMessageW(label, kLabelFeedbackMessage, 33002, 0);
    EXPECT_TRUE(WaitUntil([&] { return recorder.Count() == 6 && Output().size() == 6; }));
    EXPECT_EQ(recorder.Chars(), Output());
}

TEST_F(Typing, ClosingWithTheBoxTickedFreesF1AndExitsWithZero) {
    TurnOn();
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, 0, VK_F1)) << "Quorvel does not hold F1";
    PostMessageW(quorvel.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(quorvel.WaitForExit(), 0u);
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F1));
    UnregisterHotKey(nullptr, 1);
}

TEST_F(Typing, ABurstOfPressesTypesWholeStringsAndACloseDuringOneExitsWithZero) {
    TurnOn();
    PointAt(recorder.Centre());
    constexpr int kPresses = 100;
    for (int i = 0; i < kPresses; ++i) {
        PressF1();
    }
    EXPECT_TRUE(WaitUntil([&] { return recorder.Count() >= 6 * kPresses; }, 120000))
        << recorder.Count() << " characters";
    Sleep(500);
    const std::string typed = recorder.Chars();
    EXPECT_EQ(typed.size(), 6u * kPresses);
    EXPECT_TRUE(AllIn(typed, kDigits + kLower)) << typed;
    EXPECT_TRUE(recorder.AllLParamsZero());
    EXPECT_EQ(FindMessageBox(quorvel.ProcessId()), nullptr);

    // Another burst, and the window closed while its workers run.
    for (int i = 0; i < kPresses; ++i) {
        PressF1();
    }
    PostMessageW(quorvel.MainWindow(), WM_CLOSE, 0, 0);
    const DWORD exitCode = quorvel.WaitForExit(30000);
    EXPECT_EQ(exitCode, 0u);
    if (exitCode == STILL_ACTIVE) {
        EXPECT_EQ(FindMessageBox(quorvel.ProcessId()), nullptr) << "an error box is open";
    }
}

// Wine's own Notepad: a real program that nobody here wrote.
TEST_F(Typing, TypesIntoNotepad) {
    TurnOn();
    PROCESS_INFORMATION info;
    ASSERT_TRUE(StartProcess(L"notepad.exe", info));
    HWND edit = WaitForNotepadEdit(info.dwProcessId);
    ASSERT_NE(edit, nullptr);
    SetWindowPos(GetParent(edit), HWND_TOPMOST, 1100, 100, 500, 400, SWP_SHOWWINDOW);

    PointAt(CentreOf(edit));
    PressF1();
    EXPECT_TRUE(WaitUntil([&] { return WindowTextBytes(edit).size() == 6; }))
        << WindowTextBytes(edit);
    EXPECT_EQ(WindowTextBytes(edit), Output());

    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess);
}

}  // namespace
