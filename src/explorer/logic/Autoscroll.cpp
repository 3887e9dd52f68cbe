#include "Autoscroll.h"

TAutoscrollStep AutoscrollStep(QPoint position, QSize size, int lineHeight, bool verticalRange,
                               bool horizontalRange) {
    TAutoscrollStep step;
    const int bottom = size.height() - (verticalRange ? 16 : 0);
    const int right = size.width() - (horizontalRange ? 16 : 0);
    if (position.y() < lineHeight)
        step.dy = -1;
    else if (position.y() > bottom - lineHeight)
        step.dy = 1;
    if (position.x() < lineHeight)
        step.dx = -1;
    else if (position.x() > right - lineHeight)
        step.dx = 1;
    return step;
}
