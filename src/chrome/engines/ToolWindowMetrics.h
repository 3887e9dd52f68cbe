#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// Sizes of a tool window's chrome, docked and floating, as plain arithmetic shared by the
// painting and the hit-testing.

enum class TDragHandleStyle { dhDouble, dhNone, dhSingle };
enum class TToolWindowBorderStyle { bsNone, bsSingle };

struct TDockedFrameStyle {
    bool verticalDock = false;
    bool allowDrag = true; // the dock's AllowDrag
    TDragHandleStyle handleStyle = TDragHandleStyle::dhDouble;
    bool closeButtonWhenDocked = false;
};

inline constexpr int DockedFrameWidth = 2;

// Width of the drag-handle band on the leading side: 0, 6, 9, or 14 with a close button.
int DragHandleWidth(const TDockedFrameStyle& style);

// The docked frame: 2 pixels on every side plus the handle band on the leading side.
QMargins DockedFrameMargins(const TDockedFrameStyle& style);

// The grip bars in window coordinates (each 3 pixels across the handle direction), for a window of
// `size`.
std::vector<QRect> GripBarRects(const TDockedFrameStyle& style, QSize size);

// The 11 x 11 close glyph of a docked window, or a null rect when it has none.
QRect DockedCloseButtonRect(const TDockedFrameStyle& style, QSize size);

// The floating frame: the sizing-frame thickness and the caption bar.
struct TFloatingFrameMetrics {
    int frame = 4;               // sizing-frame thickness
    int smallCaptionHeight = 15; // the system's small caption height
    bool showCaption = true;

    int captionBarHeight() const { return showCaption ? smallCaptionHeight - 1 : 0; }
    // Caption bar plus its one-pixel line below.
    int captionAreaHeight() const { return showCaption ? smallCaptionHeight : 0; }
    QMargins margins() const { return {frame, frame + captionAreaHeight(), frame, frame}; }
    QSize chrome() const { return {2 * frame, 2 * frame + captionAreaHeight()}; }
    QRect captionRect(QSize window) const;
    QRect closeButtonRect(QSize window) const;
};

enum class TFloatingZone { Client, Close, Top, Bottom, Left, Right };

// Hit area of a floating window at `point` (window coordinates): four edge zones, no corners.
TFloatingZone FloatingHitZone(const TFloatingFrameMetrics& metrics, QSize window, QPoint point,
                             bool closeButton);

// Caption text shortened with "..." until it fits `width` or only 4 characters are left.
QString ShortenCaption(const QString& text, int width,
                       const std::function<int(const QString&)>& measure);
