#include "DragGeometry.h"

#include <gtest/gtest.h>

TEST(DragGeometry, MulDivRoundsHalvesAwayFromZeroAndSurvivesZero) {
    EXPECT_EQ(MulDivRounded(31, 1, 2), 16);
    EXPECT_EQ(MulDivRounded(-31, 1, 2), -16);
    EXPECT_EQ(MulDivRounded(29, 10, 49), 6);
    EXPECT_EQ(MulDivRounded(100000, 30000, 60000), 50000) << "no overflow in the product";
    EXPECT_EQ(MulDivRounded(5, 7, 0), 0) << "a one-pixel window must not divide by zero";
}

TEST(DragGeometry, OutlineKeepsTheGrabPointsRelativePlace) {
    EXPECT_EQ(OutlineTopLeft({100, 100}, {10, 5}, {50, 20}, {30, 200}), QPoint(94, 48));
    EXPECT_EQ(OutlineTopLeft({100, 100}, {0, 0}, {50, 20}, {300, 200}), QPoint(100, 100));
    EXPECT_EQ(OutlineTopLeft({100, 100}, {49, 19}, {50, 20}, {300, 200}), QPoint(-199, -99));
    EXPECT_EQ(OutlineTopLeft({100, 100}, {0, 0}, {1, 1}, {300, 200}), QPoint(100, 100));
}

TEST(DragGeometry, DockHitTestUsesTheVirtualBar) {
    TDockHitInput input;
    input.grab = {50, 10};
    input.windowSize = {100, 29};
    input.outlineSize = {100, 29};
    input.dockRect = QRect(0, 0, 800, 52);
    // a = 16, c = 7: the cursor may stray 58 pixels below the dock's top.
    struct Case {
        QPoint cursor;
        bool hit;
    };
    for (const Case c : {Case{{400, 20}, true}, Case{{400, 58}, true}, Case{{400, 59}, false},
                         Case{{400, -13}, true}, Case{{400, -14}, false}, Case{{-16, 20}, true},
                         Case{{-17, 20}, false}, Case{{815, 20}, true}, Case{{816, 20}, false}}) {
        input.cursor = c.cursor;
        EXPECT_EQ(DockHitTest(input), c.hit) << c.cursor.x() << "," << c.cursor.y();
    }
}

TEST(DragGeometry, EmptyDockIsWidenedSoItCanBeHit) {
    TDockHitInput input;
    input.grab = {0, 0};
    input.windowSize = {100, 29};
    input.outlineSize = {100, 10};
    input.dockRect = QRect(0, 600, 800, 0);
    input.position = TDockPosition::dpBottom;
    input.cursor = {300, 600};
    EXPECT_TRUE(DockHitTest(input));
    input.cursor = {300, 590};
    EXPECT_TRUE(DockHitTest(input)) << "the outline reaches down into the widened dock";
    input.cursor = {300, 589};
    EXPECT_FALSE(DockHitTest(input)) << "the outline ends above the dock";
}

TEST(DragGeometry, SideDocksAlsoNeedTheCursorAlongThem) {
    TDockHitInput input;
    input.grab = {10, 10};
    input.windowSize = {29, 100};
    input.outlineSize = {29, 100};
    input.dockRect = QRect(0, 100, 29, 400);
    input.position = TDockPosition::dpLeft;
    input.cursor = {10, 99};
    EXPECT_FALSE(DockHitTest(input));
    input.cursor = {10, 100};
    EXPECT_TRUE(DockHitTest(input));
    input.cursor = {10, 499};
    EXPECT_TRUE(DockHitTest(input));
    input.cursor = {10, 500};
    EXPECT_FALSE(DockHitTest(input));
}

TEST(DragGeometry, CursorIsClampedToTheWorkArea) {
    const QRect area(0, 0, 1000, 700);
    EXPECT_EQ(ClampToWorkArea({-5, 900}, area), QPoint(0, 699));
    EXPECT_EQ(ClampToWorkArea({500, 300}, area), QPoint(500, 300));
}

TEST(DragGeometry, FloatingOutlineStaysReachable) {
    const QRect area(0, 0, 1000, 700);
    EXPECT_EQ(KeepOutlineReachable({2000, 100, 120, 50}, area, 4, 15), QRect(991, 100, 120, 50));
    EXPECT_EQ(KeepOutlineReachable({-500, 100, 120, 50}, area, 4, 15), QRect(-111, 100, 120, 50));
    EXPECT_EQ(KeepOutlineReachable({300, 900, 120, 50}, area, 4, 15), QRect(300, 691, 120, 50));
    EXPECT_EQ(KeepOutlineReachable({300, -100, 120, 50}, area, 4, 15), QRect(300, -15, 120, 50))
        << "the caption may not go above the work area";
    EXPECT_EQ(KeepOutlineReachable({300, 200, 120, 50}, area, 4, 15), QRect(300, 200, 120, 50));
}

TEST(DragGeometry, KeepingOnScreen) {
    const QRect area(0, 0, 1000, 700);
    EXPECT_EQ(MoveOnScreen({900, 650, 200, 100}, area), QRect(800, 600, 200, 100));
    EXPECT_EQ(MoveOnScreen({-50, -50, 1200, 800}, area), QRect(0, 0, 1200, 800))
        << "aligned to the top-left";
    EXPECT_EQ(MoveOnScreen({-50, 20, 100, 100}, area), QRect(0, 20, 100, 100));
    EXPECT_EQ(MoveOnScreenWhenOff({900, 650, 200, 100}, area), QRect(900, 650, 200, 100));
    EXPECT_EQ(MoveOnScreenWhenOff({1000, 20, 200, 100}, area), QRect(800, 20, 200, 100));
}
