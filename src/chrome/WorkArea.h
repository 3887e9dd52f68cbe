#pragma once

#include <QPoint>
#include <QRect>

// The work area (the screen minus panels) of the monitor at `point`, or of the primary monitor
// when no monitor holds the point.
QRect WorkAreaAt(QPoint point);
