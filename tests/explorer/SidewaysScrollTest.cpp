#include "SidewaysScroll.h"

#include <gtest/gtest.h>

namespace {

struct SidewaysCase {
    int current, left, right, expected;
};

// A 200-pixel view.
TEST(SidewaysScroll, MovesAsLittleAsNeededAndPrefersTheStart) {
    const SidewaysCase cases[] = {
        {0, 20, 150, 0},    // in view: stays
        {0, 150, 260, 60},  // past the right edge: its end comes to the edge
        {100, 40, 120, 40}, // left of the view: its start comes to the edge
        {0, 150, 400, 150}, // wider than the view: its start
        {300, 150, 400, 150},
    };
    for (const SidewaysCase& c : cases)
        EXPECT_EQ(SidewaysScrollToShow(c.current, 200, c.left, c.right), c.expected)
            << c.current << " " << c.left << "-" << c.right;
}

} // namespace
