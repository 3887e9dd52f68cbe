#include "DragController.h"
#include "DragGeometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct StubDock : TDragDock {
    TDockPosition side = TDockPosition::dpTop;
    QRect rect;
    std::vector<int> rows;
    bool accepts = true;
    bool otherBars = false;
    int asked = 0;

    StubDock(TDockPosition position, QRect screen, std::vector<int> thicknesses)
        : side(position), rect(screen), rows(std::move(thicknesses)) {}
    TDockPosition position() const override { return side; }
    QRect screenRect() const override { return rect; }
    QPoint clientOrigin() const override { return rect.topLeft(); }
    bool acceptsWindow() override {
        ++asked;
        return accepts;
    }
    std::vector<int> rowThicknesses() const override { return rows; }
    bool rowHasOtherBars(int) const override { return otherBars; }
};

struct StubGuest : TDragGuest {
    std::optional<TDockDrop> docked;
    std::optional<QPoint> floated;

    void dockInto(const TDockDrop& drop) override { docked = drop; }
    void floatAt(QPoint topLeft) override { floated = topLeft; }
};

// A toolbar 100 x 29 held at (50, 10), floating at 108 x 48 in a 4-pixel frame.
TDragStart toolbarStart() {
    TDragStart start;
    start.grab = {50, 10};
    start.windowSize = {100, 29};
    start.floatingSize = {108, 48};
    start.floatingFrame = 4;
    start.floatingCaptionArea = 15;
    return start;
}

const QRect Screen(0, 0, 1024, 768);

// The main window's top dock: the menu bar's row (19) and the toolbar's row (25).
StubDock topDock() {
    return StubDock(TDockPosition::dpTop, QRect(0, 0, 800, 52), {19, 25});
}

} // namespace

TEST(DragController, TheFirstDockThatTakesTheWindowIsTheTargetUnlessCtrlIsHeld) {
    StubDock refusing = topDock();
    refusing.accepts = false;
    StubDock taking = topDock();
    StubGuest guest;
    TDragController drag(guest, toolbarStart(), {{&refusing, {100, 29}}, {&taking, {100, 29}}});

    drag.update({400, 20}, false, Screen);
    EXPECT_EQ(drag.target(), 1);
    EXPECT_EQ(drag.outline(), QRect(350, 10, 100, 29));
    EXPECT_EQ(drag.outlineThickness(), 1);

    refusing.accepts = true;
    drag.update({400, 20}, false, Screen);
    EXPECT_EQ(drag.target(), 0) << "the dock is asked again on every move";

    const int asked = refusing.asked;
    drag.update({400, 20}, true, Screen);
    EXPECT_EQ(drag.target(), -1);
    EXPECT_EQ(refusing.asked, asked) << "with Ctrl no dock is asked";
    EXPECT_EQ(drag.outline().size(), QSize(108, 48));
    EXPECT_EQ(drag.outlineThickness(), 4);
}

TEST(DragController, AWindowThatCannotFloatGoesNowhereAwayFromTheDocks) {
    StubDock top = topDock();
    TDragStart start = toolbarStart();
    start.canFloat = false;
    StubGuest guest;
    TDragController drag(guest, start, {{&top, {100, 29}}});
    drag.update({400, 400}, false, Screen);
    EXPECT_EQ(drag.target(), -1);
    EXPECT_TRUE(drag.outline().isNull());
    EXPECT_EQ(drag.outlineThickness(), 0);
    drag.accept();
    EXPECT_FALSE(guest.docked);
    EXPECT_FALSE(guest.floated);
}

TEST(DragController, DroppingOnARowBoundaryOpensANewRowThere) {
    StubDock top = topDock();
    StubGuest guest;
    TDragController drag(guest, toolbarStart(), {{&top, {100, 29}}});
    // The outline's centre lies 25 pixels into the dock: 2 below the boundary at 23.
    drag.update({400, 21}, false, Screen);
    drag.accept();
    ASSERT_TRUE(guest.docked);
    EXPECT_EQ(guest.docked->dock, &top);
    EXPECT_EQ(guest.docked->row, 1);
    EXPECT_TRUE(guest.docked->newRow);
    EXPECT_EQ(guest.docked->pos, 350);
    EXPECT_FALSE(guest.floated);
}

TEST(DragController, AFullSizeWindowTakesARowOfItsOwnAfterAnOccupiedRow) {
    struct Case {
        bool fullSize;
        bool otherBars;
        int row;
        bool newRow;
    };
    for (const Case c : {Case{false, true, 0, false}, Case{true, false, 0, false},
                         Case{true, true, 1, true}}) {
        StubDock top = topDock();
        top.otherBars = c.otherBars;
        TDragStart start = toolbarStart();
        start.fullSize = c.fullSize;
        StubGuest guest;
        TDragController drag(guest, start, {{&top, {100, 29}}});
        // The centre lies 11 pixels into the dock: the middle of row 0.
        drag.update({400, 7}, false, Screen);
        drag.accept();
        ASSERT_TRUE(guest.docked);
        EXPECT_EQ(guest.docked->row, c.row) << c.fullSize << c.otherBars;
        EXPECT_EQ(guest.docked->newRow, c.newRow) << c.fullSize << c.otherBars;
    }
}

TEST(DragController, ASideDockTakesTheRowAcrossAndThePositionAlongIt) {
    StubDock left(TDockPosition::dpLeft, QRect(0, 52, 29, 600), {25});
    TDragStart start = toolbarStart();
    start.grab = {10, 50};
    start.windowSize = {29, 100};
    StubGuest guest;
    TDragController drag(guest, start, {{&left, {29, 100}}});
    drag.update({15, 300}, false, Screen);
    ASSERT_EQ(drag.target(), 0);
    drag.accept();
    ASSERT_TRUE(guest.docked);
    EXPECT_EQ(guest.docked->row, 0);
    EXPECT_FALSE(guest.docked->newRow);
    EXPECT_EQ(guest.docked->pos, 250 - 52);
}

TEST(DragController, AwayFromTheDocksTheWindowFloatsWhereTheOutlineIs) {
    StubDock top = topDock();
    StubGuest guest;
    TDragController drag(guest, toolbarStart(), {{&top, {100, 29}}});
    drag.update({400, 400}, false, Screen);
    EXPECT_EQ(drag.target(), -1);
    EXPECT_EQ(drag.outline(),
              QRect(OutlineTopLeft({400, 400}, {50, 10}, {100, 29}, {108, 48}), QSize(108, 48)));
    drag.accept();
    ASSERT_TRUE(guest.floated);
    EXPECT_EQ(*guest.floated, drag.outline().topLeft());
    EXPECT_FALSE(guest.docked);

    // Far past the screen's corner the outline stays where it can be reached again.
    drag.update({5000, 5000}, false, Screen);
    EXPECT_TRUE(drag.outline().intersects(Screen.adjusted(8, 8, -8, -8)));
}
