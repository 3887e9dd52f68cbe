#include "DragGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool rectsIntersect(QRect a, QRect b) {
    return std::max(a.left(), b.left()) < std::min(a.x() + a.width(), b.x() + b.width()) &&
           std::max(a.top(), b.top()) < std::min(a.y() + a.height(), b.y() + b.height());
}

} // namespace

int MulDivRounded(int a, int b, int c) {
    if (c == 0)
        return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    const bool negative = (product < 0) != (divisor < 0);
    const std::int64_t magnitude =
        (std::abs(product) * 2 + std::abs(divisor)) / (2 * std::abs(divisor));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QPoint OutlineTopLeft(QPoint cursor, QPoint grab, QSize windowSize, QSize outlineSize) {
    const int spanX = windowSize.width() - 1;
    const int spanY = windowSize.height() - 1;
    return {cursor.x() - MulDivRounded(outlineSize.width() - 1, grab.x(), spanX),
            cursor.y() - MulDivRounded(outlineSize.height() - 1, grab.y(), spanY)};
}

bool DockHitTest(const TDockHitInput& input) {
    QRect dock = input.dockRect;
    const bool vertical = IsVerticalDock(input.position);
    // An empty dock is 0 thick; widen it so that it can be hit at all.
    if (vertical && dock.width() == 0)
        dock.adjust(-1, 0, 1, 0);
    if (!vertical && dock.height() == 0)
        dock.adjust(0, -1, 0, 1);
    const int right = dock.x() + dock.width();
    const int bottom = dock.y() + dock.height();
    const int a = MulDivRounded(32, input.grab.x(), input.windowSize.width() - 1);
    const int c = MulDivRounded(20, input.grab.y(), input.windowSize.height() - 1);
    const QPoint cursor = input.cursor;
    if (cursor.x() < dock.left() + a - 32 || cursor.x() > right + a - 1)
        return false;
    if (vertical && (cursor.y() < dock.top() || cursor.y() >= bottom))
        return false;
    if (cursor.y() < dock.top() + c - 20 || cursor.y() > bottom + c - 1)
        return false;
    const QRect outline(OutlineTopLeft(cursor, input.grab, input.windowSize, input.outlineSize),
                        input.outlineSize);
    return rectsIntersect(outline, dock);
}

QPoint ClampToWorkArea(QPoint cursor, QRect workArea) {
    return {std::clamp(cursor.x(), workArea.left(), std::max(workArea.left(), workArea.right())),
            std::clamp(cursor.y(), workArea.top(), std::max(workArea.top(), workArea.bottom()))};
}

QRect KeepOutlineReachable(QRect outline, QRect workArea, int frameThickness, int captionHeight) {
    const QRect inner = workArea.adjusted(frameThickness + 4, frameThickness + 4,
                                          -(frameThickness + 4), -(frameThickness + 4));
    const int innerRight = inner.x() + inner.width();
    const int innerBottom = inner.y() + inner.height();
    if (outline.y() + outline.height() <= inner.top())
        outline.moveTop(inner.top() - outline.height() + 1);
    if (outline.top() >= innerBottom)
        outline.moveTop(innerBottom - 1);
    if (outline.x() + outline.width() <= inner.left())
        outline.moveLeft(inner.left() - outline.width() + 1);
    if (outline.left() >= innerRight)
        outline.moveLeft(innerRight - 1);
    const int highestTop = workArea.top() - (captionHeight + frameThickness) + 4;
    if (outline.top() < highestTop)
        outline.moveTop(highestTop);
    return outline;
}

QRect MoveOnScreen(QRect window, QRect workArea) {
    const int areaRight = workArea.x() + workArea.width();
    const int areaBottom = workArea.y() + workArea.height();
    if (window.x() + window.width() > areaRight)
        window.moveLeft(areaRight - window.width());
    if (window.y() + window.height() > areaBottom)
        window.moveTop(areaBottom - window.height());
    if (window.left() < workArea.left())
        window.moveLeft(workArea.left());
    if (window.top() < workArea.top())
        window.moveTop(workArea.top());
    return window;
}

QRect MoveOnScreenWhenOff(QRect window, QRect workArea) {
    if (rectsIntersect(window, workArea))
        return window;
    return MoveOnScreen(window, workArea);
}
