#include "ToolbarLayout.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TToolbarItem button(int width = 25, int height = 25) {
    TToolbarItem item;
    item.size = QSize(width, height);
    return item;
}

TToolbarItem separator(bool blank = false) {
    TToolbarItem item;
    item.separator = true;
    item.blank = blank;
    return item;
}

// The main window's standard toolbar, left to right.
std::vector<TToolbarItem> standardToolbar() {
    const TToolbarItem b = button();
    const TToolbarItem s = separator();
    return {b, b, b, s, b, b, s, b, b, s, b, s, button(59), s, b, s, b, b, b, b, s, b};
}

// No two counted controls overlap along the line they share, and every one lies inside the client
// area.
void expectSane(const TToolbarLayoutInput& input, const TToolbarLayoutResult& result) {
    ASSERT_EQ(result.rects.size(), input.items.size());
    // A docked toolbar is at least as thick as its dock row, which its controls are centred in.
    QSize area = result.clientSize;
    if (input.place == TToolbarPlace::DockedVertical)
        area.setWidth(std::max(area.width(), input.centringThickness));
    else
        area.setHeight(std::max(area.height(), input.centringThickness));
    const QRect client(QPoint(0, 0), area);
    for (std::size_t i = 0; i < input.items.size(); ++i) {
        if (!input.items[i].counted)
            continue;
        const QRect r = result.rects[i];
        EXPECT_TRUE(r.width() == 0 || client.contains(r)) << "item " << i;
        for (std::size_t j = i + 1; j < input.items.size(); ++j)
            if (input.items[j].counted && r.width() > 0 && result.rects[j].width() > 0) {
                EXPECT_FALSE(r.intersects(result.rects[j])) << "items " << i << " and " << j;
            }
    }
}

TToolbarLayoutResult arrange(const TToolbarLayoutInput& input) {
    TToolbarLayoutResult result = ArrangeToolbarLine(input);
    expectSane(input, result);
    return result;
}

} // namespace

TEST(ToolbarLayout, StandardToolbarDockedAtTheTop) {
    TToolbarLayoutInput input;
    input.items = standardToolbar();
    input.centringThickness = 25;
    const TToolbarLayoutResult result = arrange(input);
    const std::vector<int> xs{0,   25,  50,  75,  81,  106, 131, 137, 162, 187, 193,
                              218, 224, 283, 289, 314, 320, 345, 370, 395, 420, 426};
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(result.rects[i].x(), xs[i]) << "item " << i;
        EXPECT_EQ(result.rects[i].y(), 0);
        EXPECT_EQ(result.rects[i].height(), 25);
    }
    EXPECT_EQ(result.rects[3].width(), 6);
    EXPECT_EQ(result.rects[12].width(), 59);
    EXPECT_EQ(result.clientSize, QSize(451, 25));
    EXPECT_TRUE(result.separatorLines.empty());
}

TEST(ToolbarLayout, ThicknessIgnoresSeparatorsAndHiddenControls) {
    std::vector<TToolbarItem> items{separator(), separator()};
    EXPECT_EQ(GetBarThickness(items, false), 8);
    TToolbarLayoutInput input;
    input.items = items;
    EXPECT_EQ(arrange(input).clientSize, QSize(12, 8)) << "only separators: 8 thick";
    TToolbarItem hidden = button(40, 40);
    hidden.counted = false;
    items.push_back(hidden);
    items.push_back(button(30, 19));
    EXPECT_EQ(GetBarThickness(items, false), 19);
    EXPECT_EQ(GetBarThickness(items, true), 30);
}

TEST(ToolbarLayout, NoCountedControlsMeasuresEightAlong) {
    TToolbarLayoutInput input;
    input.place = TToolbarPlace::Floating;
    EXPECT_EQ(arrange(input).clientSize, QSize(4 + 8 + 4, 2 + 8 + 1));
}

TEST(ToolbarLayout, ControlsAreCentredInTheRowThickness) {
    TToolbarLayoutInput input;
    input.items = {button(33, 19), separator(), button(25, 25), button(10, 8)};
    input.centringThickness = 30;
    const TToolbarLayoutResult result = arrange(input);
    EXPECT_EQ(result.rects[0], QRect(0, 5, 33, 19));
    EXPECT_EQ(result.rects[1], QRect(33, 0, 6, 30));
    EXPECT_EQ(result.rects[2], QRect(39, 2, 25, 25));
    EXPECT_EQ(result.rects[3], QRect(64, 11, 10, 8));
    EXPECT_EQ(result.clientSize, QSize(74, 25)) << "the size uses the toolbar's own thickness";
}

TEST(ToolbarLayout, VerticalDockSwapsTheAxes) {
    TToolbarLayoutInput input;
    input.place = TToolbarPlace::DockedVertical;
    input.items = {button(25, 25), separator(), button(21, 30)};
    input.items[1].sizeVert = 10;
    const TToolbarLayoutResult result = arrange(input);
    EXPECT_EQ(result.rects[0], QRect(0, 0, 25, 25));
    EXPECT_EQ(result.rects[1], QRect(0, 25, 25, 10));
    EXPECT_EQ(result.rects[2], QRect(2, 35, 21, 30));
    EXPECT_EQ(result.clientSize, QSize(25, 65));
}

TEST(ToolbarLayout, FloatingMarginsWithoutWrapping) {
    TToolbarLayoutInput input;
    input.place = TToolbarPlace::Floating;
    input.items = standardToolbar();
    const TToolbarLayoutResult result = arrange(input);
    EXPECT_EQ(result.rects[0], QRect(4, 2, 25, 25));
    EXPECT_EQ(result.clientSize, QSize(4 + 451 + 4, 2 + 25 + 1));
}

TEST(ToolbarLayout, WrapsAtGroupBoundariesFirst) {
    TToolbarLayoutInput input;
    input.place = TToolbarPlace::Floating;
    input.items = {button(), button(), separator(), button(), button(), separator(true), button()};
    input.floatRightX = 120; // room for two groups on a line, not for the third
    const TToolbarLayoutResult result = arrange(input);
    EXPECT_EQ(result.rects[0].topLeft(), QPoint(4, 2));
    EXPECT_EQ(result.rects[1].topLeft(), QPoint(29, 2));
    EXPECT_EQ(result.rects[2].width(), 6) << "a separator keeps its width inside a line";
    EXPECT_EQ(result.rects[3].topLeft(), QPoint(60, 2));
    EXPECT_EQ(result.rects[4].topLeft(), QPoint(85, 2));
    EXPECT_EQ(result.rects[5].width(), 0) << "a trailing separator adds no width";
    EXPECT_EQ(result.rects[6].topLeft(), QPoint(4, 2 + 25 + 6));
    EXPECT_EQ(result.separatorLines, (std::vector<TSeparatorLine>{{33, true}}));
    EXPECT_EQ(result.clientSize, QSize(110 + 4, 33 + 25 + 1));

    input.floatRightX = 110; // the second group no longer fits beside the first
    const TToolbarLayoutResult narrower = arrange(input);
    EXPECT_EQ(narrower.rects[3].topLeft(), QPoint(4, 33));
    EXPECT_EQ(narrower.rects[2].width(), 0);
    EXPECT_EQ(narrower.separatorLines.front(), (TSeparatorLine{33, false}));
    EXPECT_EQ(narrower.rects[6].topLeft(), QPoint(60, 33)) << "the third group joins the new line";
    EXPECT_EQ(narrower.clientSize, QSize(89, 33 + 25 + 1));
}

TEST(ToolbarLayout, GroupWiderThanTheLimitBreaksInsideAndTheNextGroupStartsANewLine) {
    TToolbarLayoutInput input;
    input.place = TToolbarPlace::Floating;
    input.items = {button(), button(), button(), button(), separator(), button()};
    input.floatRightX = 70; // two buttons per line
    const TToolbarLayoutResult result = arrange(input);
    EXPECT_EQ(result.rects[0].topLeft(), QPoint(4, 2));
    EXPECT_EQ(result.rects[1].topLeft(), QPoint(29, 2));
    EXPECT_EQ(result.rects[2].topLeft(), QPoint(4, 27)) << "inside a group: no gap";
    EXPECT_EQ(result.rects[3].topLeft(), QPoint(29, 27));
    EXPECT_EQ(result.rects[5].topLeft(), QPoint(4, 27 + 31)) << "the next group starts a new line";
    EXPECT_EQ(result.separatorLines, (std::vector<TSeparatorLine>{{58, false}}));
    EXPECT_EQ(result.clientSize, QSize(58, 58 + 25 + 1));
}

TEST(ToolbarLayout, WrapLimitIsRaisedToTheWidestControl) {
    TToolbarLayoutInput input;
    input.place = TToolbarPlace::Floating;
    input.items = {button(59), button()};
    input.floatRightX = 20;
    const TToolbarLayoutResult result = arrange(input);
    EXPECT_EQ(result.rects[0].topLeft(), QPoint(4, 2));
    EXPECT_EQ(result.rects[1].topLeft(), QPoint(4, 27));
    EXPECT_EQ(result.clientSize.width(), 67);
}

TEST(ToolbarLayout, DockedToolbarsNeverWrap) {
    TToolbarLayoutInput input;
    input.items = {button(), separator(), button()};
    input.floatRightX = 30;
    EXPECT_EQ(arrange(input).clientSize, QSize(56, 25));
}

TEST(ToolbarLayout, InitialOrderFollowsStoredPositions) {
    EXPECT_EQ(InitialControlOrder({50, 0, 25, 81, 75}), (std::vector<int>{1, 2, 0, 4, 3}));
    EXPECT_EQ(InitialControlOrder({}), std::vector<int>{});
}

TEST(ToolbarLayout, BreakLinesAreEtchedAboveTheNewLine) {
    const TSeparatorLine line{33, false};
    EXPECT_EQ(BreakShadowLineY(line), 29);
    EXPECT_EQ(BreakHighlightLineY(line), 30);
}
