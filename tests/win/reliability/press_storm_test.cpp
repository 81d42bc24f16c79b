// A thousand F1 presses in quick succession: one worker each, many at the same time.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/win/reliability/reliability_fixture.h"

namespace {

constexpr int kPresses = 1000;
constexpr int kLength = 6;  // the length at start
const std::string kMixed = "0123456789abcdefghijklmnopqrstuvwxyz";

class PressStorm : public QuorvelUnderLoad {
  protected:
    // The presses, with the program asked between them whether it still answers.
    void Storm() {
        PointAt(recorder.Centre());
        for (int i = 0; i < kPresses; ++i) {
            PressF1();
            if (i % 100 == 99) {
                EXPECT_TRUE(Answering()) << "no answer after " << i + 1 << " presses, "
                                         << ThreadCount(quorvel.ProcessId()) << " threads";
            }
        }
    }
};

TEST_F(PressStorm, KeepsAnsweringAndTypesOnlyWholeStringsOfTheSelectedKind) {
    Storm();
    EXPECT_TRUE(WaitForWorkersToEnd(600000)) << ThreadCount(quorvel.ProcessId()) << " threads";
    WaitForCountToSettle(recorder);
    EXPECT_TRUE(Answering());
    EXPECT_EQ(quorvel.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(FindMessageBox(quorvel.ProcessId()), nullptr);

    const std::string typed = recorder.Chars();
    std::printf("%d presses typed %zu characters\n", kPresses, typed.size());
    EXPECT_GT(typed.size(), 0u);
    EXPECT_EQ(typed.size() % kLength, 0u) << typed.size() << " characters";
    EXPECT_EQ(typed.find_first_not_of(kMixed), std::string::npos) << typed;
    EXPECT_TRUE(recorder.AllLParamsZero());
}

TEST_F(PressStorm, ACloseRightAfterItExitsWithZeroAndShowsNoError) {
    Storm();
    // The close waits in the queue behind the presses not yet taken, so the exit may be far off.
    PostMessageW(quorvel.MainWindow(), WM_CLOSE, 0, 0);
    HWND errorBox = nullptr;
    WaitUntil(
        [&] {
            errorBox = FindMessageBox(quorvel.ProcessId());
            return errorBox != nullptr || quorvel.WaitForExit(0) != STILL_ACTIVE;
        },
        600000);
    EXPECT_EQ(errorBox, nullptr) << "a box is open: "
                                 << testing::PrintToString(errorBox ? ReadMessageBox(errorBox).text
                                                                    : L"");
    EXPECT_EQ(quorvel.WaitForExit(0), 0u);
}

}  // namespace
