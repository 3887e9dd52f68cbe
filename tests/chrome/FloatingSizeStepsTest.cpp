#include "FloatingSizeSteps.h"

#include <gtest/gtest.h>

namespace {

std::vector<TToolbarItem> buttons(int count) {
    TToolbarItem button;
    button.size = QSize(25, 25);
    return std::vector<TToolbarItem>(static_cast<std::size_t>(count), button);
}

const QSize chrome(8, 23);

} // namespace

TEST(FloatingSizeSteps, EightButtonsOfferOnlyWidthsThatChangeTheLineCount) {
    const std::vector<TFloatingSize> steps = FloatingSizeSteps(buttons(8));
    const std::vector<TFloatingSize> expected{{QSize(208, 28), 0},
                                             {QSize(108, 53), 108},
                                             {QSize(83, 78), 83},
                                             {QSize(58, 103), 58},
                                             {QSize(33, 203), 33}};
    EXPECT_EQ(steps, expected);
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_GT(steps[i].client.height(), steps[i - 1].client.height()) << "each step adds lines";
}

TEST(FloatingSizeSteps, WideControlEndsTheSteps) {
    std::vector<TToolbarItem> items = buttons(2);
    items[1].size = QSize(59, 25);
    const std::vector<TFloatingSize> steps = FloatingSizeSteps(items);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].client, QSize(92, 28));
    EXPECT_EQ(steps[1].client, QSize(67, 53));
}

TEST(FloatingSizeSteps, EmptyToolbarHasOneSize) {
    EXPECT_EQ(FloatingSizeSteps({}), (std::vector<TFloatingSize>{{QSize(16, 11), 0}}));
}

TEST(FloatingResizeChooser, DeadBandThenGrowingAndShrinking) {
    TFloatingResizeChooser chooser(FloatingSizeSteps(buttons(8)), chrome, TResizeSide::Right,
                                  QSize(216, 51));
    EXPECT_EQ(chooser.windowSizes(),
              (std::vector<QSize>{QSize(216, 51), QSize(116, 76), QSize(91, 101), QSize(66, 126),
                                  QSize(41, 226)}));
    EXPECT_EQ(chooser.update(210), QSize(216, 51)) << "inside the dead band";
    EXPECT_EQ(chooser.update(204), QSize(216, 51)) << "12 pixels still count as the current size";
    EXPECT_EQ(chooser.update(203), QSize(116, 76)) << "shrinking takes the largest size not larger";
    EXPECT_EQ(chooser.wrapWidth(), 108);
    EXPECT_EQ(chooser.update(100), QSize(91, 101))
        << "the same direction right after a change has no band";
    EXPECT_EQ(chooser.update(95), QSize(91, 101)) << "growing back within the band does nothing";
    EXPECT_EQ(chooser.update(104), QSize(116, 76)) << "growing takes the smallest size larger";
    EXPECT_EQ(chooser.update(500), QSize(216, 51)) << "or the largest";
    EXPECT_EQ(chooser.wrapWidth(), 0);
    EXPECT_EQ(chooser.update(1), QSize(41, 226)) << "shrinking below all takes the smallest";
}

TEST(FloatingResizeChooser, TopAndBottomEdgesCompareHeights) {
    TFloatingResizeChooser chooser(FloatingSizeSteps(buttons(8)), chrome, TResizeSide::Bottom,
                                  QSize(116, 76));
    EXPECT_EQ(chooser.windowSizes().front(), QSize(41, 226)) << "descending by height";
    EXPECT_EQ(chooser.update(80), QSize(116, 76));
    EXPECT_EQ(chooser.update(95), QSize(91, 101));
    EXPECT_EQ(chooser.wrapWidth(), 83);
}

TEST(FloatingResizeChooser, DeadBandShrinksToCloseNeighbours) {
    std::vector<TFloatingSize> steps{{QSize(100, 20), 0}, {QSize(95, 40), 95}, {QSize(60, 60), 60}};
    TFloatingResizeChooser chooser(steps, QSize(0, 0), TResizeSide::Left, QSize(95, 40));
    // The neighbour at 100 is 5 away: the band is 4 pixels.
    EXPECT_EQ(chooser.update(99), QSize(95, 40));
    TFloatingResizeChooser again(steps, QSize(0, 0), TResizeSide::Left, QSize(95, 40));
    EXPECT_EQ(again.update(91), QSize(95, 40));
    EXPECT_EQ(again.update(90), QSize(60, 60));
}

TEST(FloatingResizeChooser, ASteadyDragChangesTheSizeOneWayOnly) {
    // The right edge of the eight-button toolbar dragged in pixel by pixel to nearly nothing,
    // then out again: the outline may only shrink on the way in and only grow on the way out.
    TFloatingResizeChooser chooser(FloatingSizeSteps(buttons(8)), chrome, TResizeSide::Right,
                                  QSize(216, 51));
    int previous = 216;
    for (int distance = 215; distance >= 30; --distance) {
        const int width = chooser.update(distance).width();
        ASSERT_LE(width, previous) << "moving in to " << distance;
        previous = width;
    }
    EXPECT_EQ(previous, 41);
    for (int distance = 31; distance <= 240; ++distance) {
        const int width = chooser.update(distance).width();
        ASSERT_GE(width, previous) << "moving out to " << distance;
        previous = width;
    }
    EXPECT_EQ(previous, 216);
}
