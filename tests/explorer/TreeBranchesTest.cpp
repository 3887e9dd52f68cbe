#include "TreeBranches.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A child at level 1 of a decorated tree: two columns of 19 pixels, rows 18 pixels high.
TTreeBranchRow childRow() {
    TTreeBranchRow row;
    row.Area = QRect(0, 36, 38, 18);
    row.Indent = 19;
    row.PassThrough = {false};
    row.LinkedAbove = true;
    return row;
}

TEST(TreeBranches, LastChildWithoutButtonHasAnElbow) {
    const TTreeBranchShapes shapes = TreeBranchShapes(childRow(), {});
    // Up from the row's top to its middle, then right to the icon.
    EXPECT_EQ(shapes.Lines, (std::vector<QLine>{QLine(28, 36, 28, 45), QLine(28, 45, 37, 45)}));
    EXPECT_TRUE(shapes.Button.isEmpty());
}

TEST(TreeBranches, SiblingsBelowAndAncestorsLinesPassThrough) {
    TTreeBranchRow row = childRow();
    row.Area = QRect(0, 36, 57, 18);
    row.PassThrough = {true, false};
    row.SiblingBelow = true;
    const TTreeBranchShapes shapes = TreeBranchShapes(row, {});
    EXPECT_EQ(shapes.Lines, (std::vector<QLine>{QLine(9, 36, 9, 53), QLine(47, 36, 47, 45),
                                                QLine(47, 45, 47, 53), QLine(47, 45, 56, 45)}));
}

TEST(TreeBranches, ButtonsCentredInTheOwnColumnShowTheState) {
    TTreeBranchRow row = childRow();
    row.HasButton = true;
    TTreeBranchShapes shapes = TreeBranchShapes(row, {});
    EXPECT_EQ(shapes.Button, QRect(24, 41, 9, 9));
    EXPECT_FALSE(shapes.Minus);
    row.Expanded = true;
    EXPECT_TRUE(TreeBranchShapes(row, {}).Minus);
    // Each part can be switched off on its own.
    shapes = TreeBranchShapes(row, {.ShowLines = false, .ShowButtons = true});
    EXPECT_TRUE(shapes.Lines.empty());
    EXPECT_FALSE(shapes.Button.isEmpty());
    shapes = TreeBranchShapes(row, {.ShowLines = true, .ShowButtons = false});
    EXPECT_EQ(shapes.Lines.size(), 2u);
    EXPECT_TRUE(shapes.Button.isEmpty());
}

TEST(TreeBranches, FirstTopLevelNodeAndDegenerateAreas) {
    TTreeBranchRow row;
    row.Area = QRect(0, 0, 19, 18);
    row.SiblingBelow = true;
    EXPECT_EQ(TreeBranchShapes(row, {}).Lines,
              (std::vector<QLine>{QLine(9, 9, 9, 17), QLine(9, 9, 18, 9)}));
    // A top-level node of a tree that does not decorate its root has no column at all.
    row.Area = QRect(0, 0, 0, 18);
    EXPECT_TRUE(TreeBranchShapes(row, {}).Lines.empty());
    row.Area = QRect(0, 0, 19, 18);
    row.Indent = 0;
    EXPECT_TRUE(TreeBranchShapes(row, {}).Lines.empty());
}

} // namespace
