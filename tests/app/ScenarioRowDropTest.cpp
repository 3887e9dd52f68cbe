// Where a dragged scenario row lands is pure arithmetic: this suite links no Qt library.
#include "ScenarioRowDrop.h"

#include <gtest/gtest.h>

namespace {

struct TGapCase {
    int Y;
    std::optional<TRowBand> RowUnderPointer;
    int RowCount;
    int Gap;
};

struct TTargetCase {
    int From;
    int Gap;
    int RowCount;
    std::optional<int> Target;
};

} // namespace

TEST(ScenarioRowDrop, TheHalfOfTheRowUnderThePointerChoosesTheGap) {
    const TRowBand third{2, 40, 60};
    const TGapCase cases[] = {
        {40, third, 5, 2},            // the row's first pixel: the gap above it
        {49, third, 5, 2},            // last pixel of the upper half
        {50, third, 5, 3},            // first pixel of the lower half: the gap below it
        {59, third, 5, 3},            // the row's last pixel
        {7, TRowBand{4, -10, 10}, 5, 5}, // a last row scrolled half out of sight
        {90, std::nullopt, 5, 5},     // below the last row: the end
        {3, std::nullopt, 0, 0},      // an empty list has only the end
    };
    for (const TGapCase& c : cases)
        EXPECT_EQ(DropGapAt(c.Y, c.RowUnderPointer, c.RowCount), c.Gap) << "y " << c.Y;
}

TEST(ScenarioRowDrop, ARowDroppedIntoAGapEndsWhereTheGapWas) {
    const TTargetCase cases[] = {
        {3, 0, 5, 0},              // up to the top
        {3, 1, 5, 1},              // up one gap past the row above
        {1, 3, 5, 2},              // down: the rows it passes close up behind it
        {1, 5, 5, 4},              // down to the end
        {0, 2, 2, 1},              // the first of two to the end
        {2, 2, 5, std::nullopt},   // the gap just above it
        {2, 3, 5, std::nullopt},   // the gap just below it
        {4, 5, 5, std::nullopt},   // the last row to the end
        {0, 0, 1, std::nullopt},   // a single row has nowhere to go
        {5, 0, 5, std::nullopt},   // a row no longer in the list
        {-1, 2, 5, std::nullopt},
        {1, 6, 5, std::nullopt},   // a gap past the end
        {1, -1, 5, std::nullopt},
    };
    for (const TTargetCase& c : cases)
        EXPECT_EQ(MovedRowTarget(c.From, c.Gap, c.RowCount), c.Target)
            << "from " << c.From << " into gap " << c.Gap;
}

TEST(ScenarioRowDrop, TheDropLineStaysWholeInsideTheViewport) {
    EXPECT_EQ(DropLineTop(40, 200), 39) << "the line straddles the boundary";
    EXPECT_EQ(DropLineTop(0, 200), 0) << "above the first row it lies below the edge";
    EXPECT_EQ(DropLineTop(200, 200), 198) << "below the last row it lies above the edge";
    EXPECT_EQ(DropLineTop(500, 200), 198);
    EXPECT_EQ(DropLineTop(0, 1), 0) << "a viewport too low for the line keeps its top";
}

TEST(ScenarioRowDrop, ThePointerNearAnEdgeScrollsTheListThatWay) {
    const struct {
        int Y;
        int Rows;
    } cases[] = {{0, -1}, {15, -1}, {16, 0}, {183, 0}, {184, 1}, {199, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(AutoscrollRows(c.Y, 200, 16), c.Rows) << "y " << c.Y;
    EXPECT_EQ(AutoscrollRows(9, 20, 16), -1) << "a low viewport scrolls up from its upper half";
    EXPECT_EQ(AutoscrollRows(10, 20, 16), 1) << "and down from its lower half";
}
