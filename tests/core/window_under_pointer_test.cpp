#include "generate/window_under_pointer.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Windows by handle, each with its rectangle, parent and visibility; siblings in z-order as listed
// under their parent. The window "at" the point is set by the test, as the system would find it.
class FakeWindowTree : public WindowTree {
  public:
    struct Window {
        ScreenRect rect;
        WindowHandle parent;
        bool visible = true;
    };

    WindowHandle hit = 0;

    void Add(WindowHandle handle, Window window) {
        windows_[handle] = window;
        zOrder_[window.parent].push_back(handle);
    }

    WindowHandle WindowAt(ScreenPoint) const override { return hit; }
    ScreenRect Rectangle(WindowHandle window) const override { return windows_.at(window).rect; }
    WindowHandle Parent(WindowHandle window) const override { return windows_.at(window).parent; }
    bool IsVisible(WindowHandle window) const override { return windows_.at(window).visible; }
    WindowHandle NextSibling(WindowHandle window) const override {
        const auto& siblings = zOrder_.at(windows_.at(window).parent);
        for (std::size_t i = 0; i + 1 < siblings.size(); ++i) {
            if (siblings[i] == window) {
                return siblings[i + 1];
            }
        }
        return 0;
    }

  private:
    std::map<WindowHandle, Window> windows_;
    std::map<WindowHandle, std::vector<WindowHandle>> zOrder_;
};

constexpr ScreenPoint kPoint{50, 50};
constexpr WindowHandle kTop = 1;

// A top-level window 1 of 200 x 200 with the children listed, children 10, 11, ... in z-order.
class WindowUnderPointerTest : public testing::Test {
  protected:
    FakeWindowTree tree;

    void SetUp() override { tree.Add(kTop, {{0, 0, 200, 200}, 0}); }
};

TEST_F(WindowUnderPointerTest, NoWindowAtThePointGivesNone) {
    EXPECT_EQ(FindWindowAtPoint(tree, kPoint), 0u);
}

TEST_F(WindowUnderPointerTest, AWindowWithoutParentIsTakenAsItIs) {
    tree.Add(2, {{40, 40, 60, 60}, 0});  // smaller, but top-level windows are not searched
    tree.hit = kTop;
    EXPECT_EQ(FindWindowAtPoint(tree, kPoint), kTop);
}

TEST_F(WindowUnderPointerTest, ASmallerVisibleSiblingBelowThatCoversThePointWins) {
    const struct {
        const char* what;
        FakeWindowTree::Window sibling;
        bool wins;
    } cases[] = {
        {"smaller, covering", {{40, 40, 60, 60}, kTop}, true},
        {"hidden", {{40, 40, 60, 60}, kTop, false}, false},
        {"not covering", {{60, 60, 70, 70}, kTop}, false},
        {"covering only up to its right edge", {{40, 40, 50, 60}, kTop}, false},
        {"covering from its left edge", {{50, 50, 51, 51}, kTop}, true},
        {"of equal area", {{30, 30, 130, 130}, kTop}, false},
        {"larger", {{0, 0, 150, 150}, kTop}, false},
    };
    for (const auto& c : cases) {
        FakeWindowTree t;
        t.Add(kTop, {{0, 0, 200, 200}, 0});
        t.Add(10, {{0, 0, 100, 100}, kTop});  // the hit
        t.Add(11, c.sibling);
        t.hit = 10;
        EXPECT_EQ(FindWindowAtPoint(t, kPoint), c.wins ? 11u : 10u) << c.what;
    }
}

TEST_F(WindowUnderPointerTest, OnlySiblingsThatFollowTheHitAreSearched) {
    tree.Add(10, {{40, 40, 60, 60}, kTop});  // above the hit in z-order
    tree.Add(11, {{0, 0, 100, 100}, kTop});
    tree.hit = 11;
    EXPECT_EQ(FindWindowAtPoint(tree, kPoint), 11u);
}

TEST_F(WindowUnderPointerTest, TheSmallestWinsAndTheFirstOfEqualAreas) {
    tree.Add(10, {{0, 0, 100, 100}, kTop});
    tree.Add(11, {{30, 30, 70, 70}, kTop});
    tree.Add(12, {{45, 45, 55, 55}, kTop});
    tree.Add(13, {{48, 48, 58, 58}, kTop});  // as small as 12, found later
    tree.Add(14, {{20, 20, 80, 80}, kTop});  // larger than the best so far
    tree.hit = 10;
    EXPECT_EQ(FindWindowAtPoint(tree, kPoint), 12u);
}

TEST_F(WindowUnderPointerTest, SiblingsOfAnotherParentAreNotTaken) {
    // A real tree lists only same-parent siblings; a window reparented during the walk is skipped.
    class Reparented : public FakeWindowTree {
      public:
        WindowHandle Parent(WindowHandle window) const override {
            return window == 11 ? 99 : FakeWindowTree::Parent(window);
        }
    } t;
    t.Add(kTop, {{0, 0, 200, 200}, 0});
    t.Add(10, {{0, 0, 100, 100}, kTop});
    t.Add(11, {{40, 40, 60, 60}, kTop});
    t.hit = 10;
    EXPECT_EQ(FindWindowAtPoint(t, kPoint), 10u);
}

TEST_F(WindowUnderPointerTest, AreasOfHugeWindowsDoNotOverflow) {
    tree.Add(10, {{-40000, -40000, 40000, 40000}, kTop});  // 6.4e9 pixels
    tree.Add(11, {{0, 0, 60000, 60000}, kTop});            // 3.6e9 pixels, smaller
    tree.hit = 10;
    EXPECT_EQ(FindWindowAtPoint(tree, kPoint), 11u);
}

}  // namespace
