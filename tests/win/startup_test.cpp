#include <gtest/gtest.h>

#include "tests/win/quorvel_process.h"

namespace {

TEST(Startup, ShowsItsWindowAndExitsWithZeroWhenClosed) {
    QuorvelProcess quorvel;
    ASSERT_NE(quorvel.MainWindow(), nullptr);
    EXPECT_EQ(GetWindowTextLengthW(quorvel.MainWindow()), 7);
    PostMessageW(quorvel.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(quorvel.WaitForExit(), 0u);
}

}  // namespace
