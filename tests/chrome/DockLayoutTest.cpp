#include "DockLayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

TDockBarState bar(int key, int row, int pos, int length, int thickness, bool fullSize = false,
                 bool shown = true) {
    return {key, row, pos, length, thickness, fullSize, shown};
}

const TDockBarState& byKey(const TDockArrangement& result, int key) {
    return *std::find_if(result.bars.begin(), result.bars.end(),
                         [key](const TDockBarState& b) { return b.key == key; });
}

QRect boundsOf(const TDockArrangement& result, int key) {
    for (const TDockBarPlacement& placement : result.placements)
        if (placement.key == key)
            return placement.bounds;
    return {};
}

// Placed bars of one row never overlap, rows follow each other without gaps, the dock is as
// thick as its rows, and the bar list stays sorted.
void expectSane(const TDockArrangeInput& input, const TDockArrangement& result) {
    const bool vertical = IsVerticalDock(input.position);
    std::map<int, std::vector<QRect>> rows;
    for (const TDockBarPlacement& placement : result.placements)
        rows[vertical ? placement.bounds.x() : placement.bounds.y()].push_back(placement.bounds);
    int expectedCross = 0;
    for (auto& [cross, rects] : rows) {
        EXPECT_EQ(cross, expectedCross);
        const int thickness = vertical ? rects.front().width() : rects.front().height();
        std::sort(rects.begin(), rects.end(), [vertical](QRect a, QRect b) {
            return vertical ? a.y() < b.y() : a.x() < b.x();
        });
        for (std::size_t i = 0; i < rects.size(); ++i) {
            EXPECT_EQ(vertical ? rects[i].width() : rects[i].height(), thickness);
            EXPECT_GE(vertical ? rects[i].y() : rects[i].x(), 0);
            if (i > 0) {
                EXPECT_GE(vertical ? rects[i].y() : rects[i].x(),
                          vertical ? rects[i - 1].bottom() + 1 : rects[i - 1].right() + 1);
            }
        }
        expectedCross += thickness;
    }
    int sum = 0;
    for (int entry : result.rowThickness)
        sum += entry ? entry + 4 : 0;
    if (!result.placements.empty()) {
        EXPECT_EQ(result.thickness, sum);
    }
    EXPECT_TRUE(std::is_sorted(result.bars.begin(), result.bars.end(),
                               [](const TDockBarState& a, const TDockBarState& b) {
                                   return a.row != b.row ? a.row < b.row : a.pos < b.pos;
                               }));
}

TDockArrangement arrange(const TDockArrangeInput& input) {
    TDockArrangement result = ArrangeBars(input);
    expectSane(input, result);
    return result;
}

} // namespace

TEST(ArrangeBars, MainWindowTopDockIsFiftyTwoPixels) {
    TDockArrangeInput input;
    input.clientLength = 600;
    input.bars = {bar(1, 0, 0, 600, 19, true), bar(2, 1, 0, 455, 25)};
    const TDockArrangement result = arrange(input);
    EXPECT_EQ(result.thickness, 52);
    EXPECT_EQ(boundsOf(result, 1), QRect(0, 0, 600, 23));
    EXPECT_EQ(boundsOf(result, 2), QRect(0, 23, 455, 29));
    EXPECT_EQ(result.rowThickness, (std::vector<int>{19, 25}));
}

TEST(ArrangeBars, EmptyDockThickness) {
    struct Case {
        bool designTime;
        bool fixAlign;
        bool hiddenBar;
        int thickness;
    };
    for (const Case c :
         {Case{false, false, false, 0}, Case{false, true, false, 1}, Case{true, false, false, 9},
          Case{true, true, true, 9}, Case{false, false, true, 0}}) {
        TDockArrangeInput input;
        input.clientLength = 300;
        input.designTime = c.designTime;
        input.fixAlign = c.fixAlign;
        if (c.hiddenBar)
            input.bars = {bar(1, 3, 40, 50, 20, false, false)};
        const TDockArrangement result = arrange(input);
        EXPECT_EQ(result.thickness, c.thickness);
        EXPECT_TRUE(result.placements.empty());
        if (c.hiddenBar) {
            EXPECT_EQ(result.bars.front().row, 3) << "rows are left alone while nothing is shown";
        }
    }
}

TEST(ArrangeBars, EmptyRowsCloseOnePerPass) {
    TDockArrangeInput input;
    input.clientLength = 500;
    input.bars = {bar(1, 0, 0, 50, 20), bar(2, 3, 0, 50, 20)};
    TDockArrangement result = arrange(input);
    EXPECT_EQ(byKey(result, 2).row, 2);
    input.bars = result.bars;
    result = arrange(input);
    EXPECT_EQ(byKey(result, 2).row, 1);
    input.bars = result.bars;
    result = arrange(input);
    EXPECT_EQ(byKey(result, 2).row, 1);
}

TEST(ArrangeBars, HiddenBarKeepsItsRowOpen) {
    TDockArrangeInput input;
    input.clientLength = 500;
    input.bars = {bar(1, 0, 0, 50, 20), bar(2, 1, 0, 50, 30, false, false), bar(3, 2, 0, 50, 22)};
    const TDockArrangement result = arrange(input);
    EXPECT_EQ(byKey(result, 3).row, 2);
    EXPECT_EQ(result.rowThickness, (std::vector<int>{20, 0, 22}));
    EXPECT_EQ(boundsOf(result, 3).y(), 24);
    EXPECT_EQ(result.thickness, 50);
}

TEST(ArrangeBars, LimitToOneRowMovesEveryBarToRowZero) {
    TDockArrangeInput input;
    input.clientLength = 500;
    input.limitToOneRow = true;
    input.bars = {bar(1, 0, 0, 50, 20), bar(2, 2, 10, 60, 30), bar(3, 1, 0, 40, 10, false, false)};
    const TDockArrangement result = arrange(input);
    for (const TDockBarState& b : result.bars)
        EXPECT_EQ(b.row, 0);
    EXPECT_EQ(boundsOf(result, 1), QRect(0, 0, 50, 34));
    EXPECT_EQ(boundsOf(result, 2), QRect(50, 0, 60, 34));
    EXPECT_EQ(result.thickness, 34);
}

TEST(ArrangeBars, FullSizeBarPushesItsRowDown) {
    TDockArrangeInput input;
    input.clientLength = 400;
    input.bars = {bar(1, 0, 100, 80, 20), bar(2, 0, 0, 100, 19, true), bar(3, 1, 0, 60, 25),
                  bar(4, 0, 300, 50, 20)};
    const TDockArrangement result = arrange(input);
    EXPECT_EQ(byKey(result, 2).row, 0);
    EXPECT_EQ(byKey(result, 1).row, 1);
    EXPECT_EQ(byKey(result, 4).row, 1);
    EXPECT_EQ(byKey(result, 3).row, 2);
    EXPECT_EQ(boundsOf(result, 2), QRect(0, 0, 400, 23));
    EXPECT_EQ(boundsOf(result, 1), QRect(100, 23, 80, 24));
    EXPECT_EQ(boundsOf(result, 3), QRect(0, 47, 60, 29));
}

TEST(ArrangeBars, LoneFullSizeBarIsStretchedAndPlacedAtZero) {
    TDockArrangeInput input;
    input.position = TDockPosition::dpLeft;
    input.clientLength = 300;
    input.bars = {bar(1, 0, 70, 40, 30, true)};
    const TDockArrangement result = arrange(input);
    EXPECT_EQ(byKey(result, 1).pos, 0);
    EXPECT_EQ(boundsOf(result, 1), QRect(0, 0, 34, 300));
}

TEST(ArrangeBars, TwoFullSizeBarsInOneRowGetARowEach) {
    TDockArrangeInput input;
    input.clientLength = 300;
    input.bars = {bar(1, 0, 0, 40, 10, true), bar(2, 0, 5, 40, 12, true)};
    const TDockArrangement result = arrange(input);
    EXPECT_NE(byKey(result, 1).row, byKey(result, 2).row);
    EXPECT_EQ(result.thickness, (10 + 4) + (12 + 4));
}

TEST(ArrangeBars, RowThicknessIsAtLeastEight) {
    TDockArrangeInput input;
    input.clientLength = 300;
    input.bars = {bar(1, 0, 0, 40, 3)};
    EXPECT_EQ(arrange(input).thickness, 12);
}

TEST(ArrangeBars, OverlappingBarsArePlacedEndToEndAndStored) {
    TDockArrangeInput input;
    input.clientLength = 500;
    input.bars = {bar(1, 0, 10, 100, 20), bar(2, 0, 50, 80, 20), bar(3, 0, -1, 30, 20)};
    const TDockArrangement result = arrange(input);
    // -1 sorts first and is placed at 0; the others follow end to end in list order.
    EXPECT_EQ(byKey(result, 3).pos, 0);
    EXPECT_EQ(byKey(result, 1).pos, 30);
    EXPECT_EQ(byKey(result, 2).pos, 130);
    EXPECT_EQ(boundsOf(result, 2).x(), 130);
}

TEST(ArrangeBars, NarrowDockPushesBackFromTheFarEndWithoutStoring) {
    TDockArrangeInput input;
    input.clientLength = 200;
    input.bars = {bar(1, 0, 0, 100, 20), bar(2, 0, 150, 80, 20)};
    TDockArrangement result = arrange(input);
    EXPECT_EQ(boundsOf(result, 1).x(), 0);
    EXPECT_EQ(boundsOf(result, 2).x(), 120);
    EXPECT_EQ(byKey(result, 2).pos, 150) << "fitting is only displayed";

    input.clientLength = 150;
    result = arrange(input);
    EXPECT_EQ(boundsOf(result, 1).x(), 0) << "never before the dock's start";
    EXPECT_EQ(boundsOf(result, 2).x(), 100) << "overflows at the far end";

    input.clientLength = 400;
    input.bars = result.bars;
    result = arrange(input);
    EXPECT_EQ(boundsOf(result, 2).x(), 150) << "returns to its place when the dock grows";
}

TEST(ArrangeBars, ClipPositionsStoresTheFittedPositions) {
    TDockArrangeInput input;
    input.clientLength = 200;
    input.clipPositions = true;
    input.bars = {bar(1, 0, 0, 100, 20), bar(2, 0, 150, 80, 20)};
    const TDockArrangement result = arrange(input);
    EXPECT_EQ(byKey(result, 2).pos, 120);
}

TEST(ArrangeBars, VerticalDockPlacesAcrossTheWidth) {
    TDockArrangeInput input;
    input.position = TDockPosition::dpRight;
    input.clientLength = 300;
    input.bars = {bar(1, 0, 0, 100, 25), bar(2, 1, 20, 60, 19)};
    const TDockArrangement result = arrange(input);
    EXPECT_EQ(boundsOf(result, 1), QRect(0, 0, 29, 100));
    EXPECT_EQ(boundsOf(result, 2), QRect(29, 20, 23, 60));
    EXPECT_EQ(result.thickness, 52);
}

TEST(ArrangeBars, BarDockedBeforeEveryBarOfRowZero) {
    TDockArrangeInput input;
    input.clientLength = 500;
    input.bars = {bar(1, 0, 0, 100, 20), bar(2, 0, -8, 50, 20)};
    const TDockArrangement result = arrange(input);
    EXPECT_EQ(byKey(result, 2).pos, 0);
    EXPECT_EQ(byKey(result, 1).pos, 50);
}

TEST(RowAtPosition, FivePixelZonesMeanNewRows) {
    const std::vector<int> rows{19, 25}; // bands 0..23 and 23..52
    struct Case {
        int offset;
        TRowHit hit;
    };
    for (const Case c :
         {Case{-3, {0, true}}, Case{0, {0, true}}, Case{4, {0, true}}, Case{5, {0, false}},
          Case{17, {0, false}}, Case{18, {1, true}}, Case{27, {1, true}}, Case{28, {1, false}},
          Case{46, {1, false}}, Case{47, {2, true}}, Case{56, {2, true}}, Case{57, {2, false}},
          Case{5000, {2, false}}})
        EXPECT_EQ(RowAtPosition(rows, c.offset), c.hit) << "offset " << c.offset;
}

TEST(RowAtPosition, SkipsEmptyRowsAndHandlesEmptyDocks) {
    EXPECT_EQ(RowAtPosition({}, 2), (TRowHit{0, true}));
    EXPECT_EQ(RowAtPosition({}, 9), (TRowHit{0, false}));
    const std::vector<int> rows{20, 0, 20};
    EXPECT_EQ(RowAtPosition(rows, 10), (TRowHit{0, false}));
    EXPECT_EQ(RowAtPosition(rows, 22), (TRowHit{2, true}));
    EXPECT_EQ(RowAtPosition(rows, 35), (TRowHit{2, false}));
}

TEST(ArrangeDeferral, RequestsWhileDeferredRunOnceAtTheEnd) {
    TArrangeDeferral deferral;
    EXPECT_TRUE(deferral.request(false, false));
    EXPECT_FALSE(deferral.request(false, true)) << "loading defers";
    bool clip = false;
    deferral.clearPending();
    deferral.begin();
    deferral.begin();
    EXPECT_FALSE(deferral.request(true, false));
    EXPECT_FALSE(deferral.request(false, false));
    EXPECT_FALSE(deferral.end(clip));
    EXPECT_TRUE(deferral.end(clip));
    EXPECT_TRUE(clip) << "a requested clip is remembered";
    deferral.begin();
    EXPECT_FALSE(deferral.end(clip)) << "nothing pending";
}
