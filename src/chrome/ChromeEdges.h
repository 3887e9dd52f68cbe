#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

// A one-pixel 3-D edge just inside r: the top and left lines in one colour, the bottom and
// right ones in the other. Drawn as filled one-pixel rectangles, not pen lines: at any scale
// factor each line covers whole screen pixels, where a pen's line would straddle its pixel's
// edge.
inline void DrawEdge(QPainter& painter, const QRect& r, const QColor& topLeft,
                     const QColor& bottomRight) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}
