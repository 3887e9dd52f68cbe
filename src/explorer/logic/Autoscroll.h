#pragma once

#include <QPoint>
#include <QSize>

// Scroll steps (-1, 0, 1) for a mouse position near a control's edges: within one line of
// an edge the control scrolls one line (or column) that way. The bottom and right edges
// are taken 16 pixels further in while there is a range to scroll in that direction.
struct TAutoscrollStep {
    int dx = 0;
    int dy = 0;
};
TAutoscrollStep AutoscrollStep(QPoint position, QSize size, int lineHeight, bool verticalRange,
                               bool horizontalRange);
