#pragma once

#include "ButtonTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

// Places glyph, caption and drop-down arrow inside a button's content rectangle. Pure
// geometry: the caption is measured through a callback so that no font is needed here.
struct TButtonLayoutInput {
    QRect content;               // the content rectangle, already shrunk by the border
    QPoint pressOffset;          // (1, 1) while drawn pressed, else (0, 0)
    QSize glyph;                 // 0 x 0 when no glyph is drawn
    bool hasCaption = false;
    bool arrow = false;          // a drop-down arrow follows glyph and caption
    int arrowWidth = 9;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1;             // -1 centres the content
    int spacing = 4;             // -1 spreads the free space evenly
    bool wordWrap = false;
    // Returns the caption's size for a text box of the given width.
    std::function<QSize(int boxWidth)> measureCaption;
};

struct TButtonLayoutResult {
    QPoint glyphPos;
    QRect captionRect;           // empty when there is no caption
    QPoint arrowPos;             // top-left of the arrow area (width arrowWidth, height 3)
    bool hasArrow = false;
};

TButtonLayoutResult LayoutButtonContent(const TButtonLayoutInput& input);

// The arrow's height inside the layout; the triangle itself is 5 x 3.
inline constexpr int DropdownArrowHeight = 3;
