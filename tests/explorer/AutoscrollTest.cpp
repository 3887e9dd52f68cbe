#include "Autoscroll.h"

#include <gtest/gtest.h>

namespace {

TEST(Autoscroll, StepsNearTheEdges) {
    const QSize size(200, 100);
    EXPECT_EQ(AutoscrollStep({100, 5}, size, 12, false, false).dy, -1);
    EXPECT_EQ(AutoscrollStep({100, 95}, size, 12, false, false).dy, 1);
    EXPECT_EQ(AutoscrollStep({100, 50}, size, 12, false, false).dy, 0);
    // The bottom edge moves 16 pixels up while there is a vertical range.
    EXPECT_EQ(AutoscrollStep({100, 75}, size, 12, true, false).dy, 1);
    EXPECT_EQ(AutoscrollStep({100, 75}, size, 12, false, false).dy, 0);
    EXPECT_EQ(AutoscrollStep({5, 50}, size, 12, false, false).dx, -1);
    EXPECT_EQ(AutoscrollStep({175, 50}, size, 12, false, true).dx, 1);
}

} // namespace
