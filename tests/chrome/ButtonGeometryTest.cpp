#include "ButtonGeometry.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ButtonGeometry;

TEST(ComboGeometry, FiftyNinePixelComboSplitsAtFortyEight) {
    const QSize size(59, 22);
    EXPECT_EQ(arrowPartLeft(59, 9), 48);
    EXPECT_EQ(mainPartRect(size, 9, true), QRect(0, 0, 48, 22));
    const QRect arrow = arrowPartRect(size, 9);
    EXPECT_EQ(arrow.left(), 48);
    EXPECT_EQ(arrow.right() + 1, 57);
    EXPECT_FALSE(pressOpensMenu(47, 59, 9, true, true));
    EXPECT_TRUE(pressOpensMenu(48, 59, 9, true, true));
    EXPECT_TRUE(insideMainPart({47, 5}, size, 9, true));
    EXPECT_FALSE(insideMainPart({48, 5}, size, 9, true));
}

TEST(ComboGeometry, PressOpensMenuDependsOnDropdownKind) {
    EXPECT_TRUE(pressOpensMenu(0, 59, 9, true, false)) << "a plain drop-down opens anywhere";
    EXPECT_FALSE(pressOpensMenu(58, 59, 9, false, true)) << "no menu, no drop-down";
    EXPECT_FALSE(insideMainPart({-1, 5}, {59, 22}, 9, false));
    EXPECT_FALSE(insideMainPart({5, 22}, {59, 22}, 9, false));
    EXPECT_TRUE(insideMainPart({58, 21}, {59, 22}, 9, false));
}

TEST(ComboGeometry, WidthChanges) {
    EXPECT_EQ(widthAfterComboChange(25, 9, true), 36);
    EXPECT_EQ(widthAfterComboChange(36, 9, false), 25);
    EXPECT_EQ(widthAfterComboChange(5, 9, false), 1);
    EXPECT_EQ(widthAfterArrowWidthChange(59, 9, 12), 62);
    EXPECT_EQ(widthAfterArrowWidthChange(59, 12, 7), 54);
    EXPECT_EQ(clampArrowWidth(3), 7);
    EXPECT_EQ(clampArrowWidth(-20), 7);
    EXPECT_EQ(clampArrowWidth(11), 11);
}

TEST(ComboGeometry, HugeValuesStayInRange) {
    const int huge = std::numeric_limits<int>::max();
    EXPECT_EQ(clampArrowWidth(huge), MaxWidth);
    EXPECT_EQ(widthAfterComboChange(MaxWidth, MaxWidth, true), MaxWidth);
    EXPECT_EQ(widthAfterComboChange(10, MaxWidth, false), 1);
    EXPECT_EQ(widthAfterArrowWidthChange(100, 7, MaxWidth), MaxWidth);
    EXPECT_TRUE(pressOpensMenu(0, 10, MaxWidth, true, true)) << "the arrow part covers the whole button";
}
