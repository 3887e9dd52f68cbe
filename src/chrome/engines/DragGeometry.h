#pragma once

#include "DockPosition.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The arithmetic of dragging a tool window: where the outline goes, which dock the cursor
// hits, and how a floating window is kept reachable on its screen.

// a * b / c rounded to the nearest integer (halves away from zero); 0 when c is 0.
int MulDivRounded(int a, int b, int c);

// The outline's top-left for a cursor at `cursor` so that the grab point keeps its relative
// place. `grab` is the press position in window coordinates, `windowSize` the dragged window's
// size.
QPoint OutlineTopLeft(QPoint cursor, QPoint grab, QSize windowSize, QSize outlineSize);

struct TDockHitInput {
    QPoint cursor;
    QPoint grab;
    QSize windowSize;
    QSize outlineSize; // the size the window would take in this dock
    QRect dockRect;    // the dock's screen rectangle
    TDockPosition position = TDockPosition::dpTop;
};

bool DockHitTest(const TDockHitInput& input);

// The cursor kept inside the work area of its monitor.
QPoint ClampToWorkArea(QPoint cursor, QRect workArea);

// The floating outline shifted so that it stays reachable: it must overlap the work area
// shrunk by the frame thickness + 4, and its caption may not go above the work area's top.
QRect KeepOutlineReachable(QRect outline, QRect workArea, int frameThickness, int captionHeight);

// A floating window moved into the work area: right and bottom edges first, then left and top,
// so a window larger than the area is aligned to its top-left.
QRect MoveOnScreen(QRect window, QRect workArea);
// The same, but only for a window that no longer intersects the work area at all.
QRect MoveOnScreenWhenOff(QRect window, QRect workArea);
