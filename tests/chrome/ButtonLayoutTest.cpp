#include "ButtonLayout.h"

#include <gtest/gtest.h>

namespace {

// A caption of fixed size, or of as many 6 x 13 characters per line as the box allows.
std::function<QSize(int)> fixedCaption(QSize size, int* lastBoxWidth = nullptr) {
    return [size, lastBoxWidth](int boxWidth) {
        if (lastBoxWidth)
            *lastBoxWidth = boxWidth;
        return size;
    };
}

TButtonLayoutInput input(QSize content, QSize glyph, QSize caption) {
    TButtonLayoutInput in;
    in.content = QRect(QPoint(1, 1), content);
    in.glyph = glyph;
    in.hasCaption = !caption.isEmpty();
    in.measureCaption = fixedCaption(caption);
    return in;
}

} // namespace

TEST(ButtonLayout, GlyphOnlyIsCentred) {
    // A 25 x 25 flat button: content 23 x 23; a 17 x 17 glyph sits at 3 + 1.
    const TButtonLayoutResult r = LayoutButtonContent(input({23, 23}, {17, 17}, {}));
    EXPECT_EQ(r.glyphPos, QPoint(1 + 3, 1 + 3));
    EXPECT_TRUE(r.captionRect.isEmpty());
}

TEST(ButtonLayout, GlyphLeftWithCaptionAndCentredMargin) {
    // total = 16 + 4 + 30 = 50 in 60: margin (60 - 46 - 4 + 1) div 2 = 5.
    const TButtonLayoutResult r = LayoutButtonContent(input({60, 20}, {16, 16}, {30, 13}));
    EXPECT_EQ(r.glyphPos, QPoint(1 + 5, 1 + 2));
    EXPECT_EQ(r.captionRect, QRect(1 + 5 + 16 + 4, 1 + 4, 30, 13));
}

TEST(ButtonLayout, CaptionOnlyHasNoSpacing) {
    TButtonLayoutInput in = input({31, 17}, {}, {19, 13});
    in.layout = TButtonLayout::blGlyphTop; // acts as glyph-left without a glyph
    const TButtonLayoutResult r = LayoutButtonContent(in);
    EXPECT_EQ(r.captionRect, QRect(1 + 6, 1 + 2, 19, 13));
}

TEST(ButtonLayout, GlyphRightPutsArrowAtTheEdge) {
    TButtonLayoutInput in = input({60, 20}, {16, 16}, {20, 13});
    in.layout = TButtonLayout::blGlyphRight;
    in.margin = 3;
    in.arrow = true;
    const TButtonLayoutResult r = LayoutButtonContent(in);
    // arrow at 60 - 3 - 9 = 48 (+1), glyph at 32, caption at 32 - 4 - 20 = 8.
    EXPECT_EQ(r.arrowPos.x(), 1 + 49);
    EXPECT_EQ(r.glyphPos.x(), 1 + 32);
    EXPECT_EQ(r.captionRect.left(), 1 + 8);
    EXPECT_EQ(r.arrowPos.y(), r.glyphPos.y() + (16 - 3) / 2);
}

TEST(ButtonLayout, VerticalLayouts) {
    TButtonLayoutInput in = input({40, 50}, {16, 16}, {30, 13});
    in.layout = TButtonLayout::blGlyphTop;
    in.margin = 2;
    TButtonLayoutResult r = LayoutButtonContent(in);
    EXPECT_EQ(r.glyphPos, QPoint(1 + 12, 1 + 2));
    EXPECT_EQ(r.captionRect.topLeft(), QPoint(1 + 5, 1 + 2 + 16 + 4));

    in.layout = TButtonLayout::blGlyphBottom;
    r = LayoutButtonContent(in);
    EXPECT_EQ(r.glyphPos.y(), 1 + 50 - 2 - 16);
    EXPECT_EQ(r.captionRect.top(), 1 + 50 - 2 - 16 - 4 - 13);
}

TEST(ButtonLayout, SpreadMarginAndSpacing) {
    TButtonLayoutInput in = input({61, 20}, {16, 16}, {30, 13});
    in.margin = -1;
    in.spacing = -1;
    TButtonLayoutResult r = LayoutButtonContent(in);
    EXPECT_EQ(r.glyphPos.x(), 1 + 5);
    EXPECT_EQ(r.captionRect.left(), 1 + 5 + 16 + 5);

    in.margin = 2;
    r = LayoutButtonContent(in);
    // spacing = (61 - 2 - 46) div 2 = 6
    EXPECT_EQ(r.captionRect.left(), 1 + 2 + 16 + 6);
}

TEST(ButtonLayout, ArrowFollowsCaptionAndPressShifts) {
    TButtonLayoutInput in = input({40, 17}, {}, {19, 13});
    in.arrow = true;
    in.margin = 2;
    in.pressOffset = QPoint(1, 1);
    const TButtonLayoutResult r = LayoutButtonContent(in);
    EXPECT_TRUE(r.hasArrow);
    EXPECT_EQ(r.captionRect.topLeft(), QPoint(1 + 2 + 1, 1 + 2 + 1));
    EXPECT_EQ(r.arrowPos, QPoint(1 + 2 + 19 + 1 + 1, 1 + 2 + (13 - 3) / 2 + 1));
}

TEST(ButtonLayout, WordWrapNarrowsTheCaptionBox) {
    int box = 0;
    TButtonLayoutInput in = input({60, 40}, {16, 16}, {});
    in.hasCaption = true;
    in.wordWrap = true;
    in.margin = 3;
    in.measureCaption = fixedCaption({20, 26}, &box);
    LayoutButtonContent(in);
    EXPECT_EQ(box, 60 - (16 + 4) - 6);

    in.glyph = {};
    LayoutButtonContent(in);
    EXPECT_EQ(box, 60 - 8);

    in.wordWrap = false;
    in.arrow = true;
    LayoutButtonContent(in);
    EXPECT_EQ(box, 60 - 9);
}
