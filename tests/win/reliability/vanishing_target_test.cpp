// The window that a long string is being typed into goes away in the middle of it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/win/reliability/reliability_fixture.h"

namespace {

class VanishingTarget : public QuorvelUnderLoad {};

TEST_F(VanishingTarget, TheProgramGoesOnAndTheNextPressTypesAWholeString) {
    SetLength(L"100000");
    PointAt(recorder.Centre());
    PressF1();
    ASSERT_TRUE(WaitUntil([&] { return recorder.Count() > 0; }, 600000)) << "nothing arrived";
    // Sent, not posted, so that it overtakes the characters still waiting in the queue.
    SendMessageW(recorder.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(recorder.Window()));

    EXPECT_TRUE(WaitForWorkersToEnd(300000));
    EXPECT_TRUE(Answering());
    EXPECT_EQ(FindMessageBox(quorvel.ProcessId()), nullptr);
    EXPECT_EQ(Output().size(), 100000u);

    CharRecorder next;
    ASSERT_NE(next.Window(), nullptr);
    SetLength(L"6");
    PointAt(next.Centre());
    PressF1();
    EXPECT_TRUE(WaitUntil([&] { return next.Count() >= 6 && Output().size() == 6; }, 120000))
        << next.Count() << " characters, shown \"" << Output() << "\"";
    WaitForCountToSettle(next);
    EXPECT_EQ(next.Chars(), Output());
}

}  // namespace
