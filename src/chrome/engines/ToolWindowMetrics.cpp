#include "ToolWindowMetrics.h"

int DragHandleWidth(const TDockedFrameStyle& style) {
    if (!style.allowDrag)
        return 0;
    if (style.closeButtonWhenDocked)
        return 14;
    switch (style.handleStyle) {
    case TDragHandleStyle::dhDouble:
        return 9;
    case TDragHandleStyle::dhNone:
        return 0;
    case TDragHandleStyle::dhSingle:
        return 6;
    }
    return 0;
}

QMargins DockedFrameMargins(const TDockedFrameStyle& style) {
    const int handle = DragHandleWidth(style);
    QMargins margins(DockedFrameWidth, DockedFrameWidth, DockedFrameWidth, DockedFrameWidth);
    if (style.verticalDock)
        margins.setTop(margins.top() + handle);
    else
        margins.setLeft(margins.left() + handle);
    return margins;
}

std::vector<QRect> GripBarRects(const TDockedFrameStyle& style, QSize size) {
    std::vector<QRect> bars;
    if (!style.allowDrag || style.handleStyle == TDragHandleStyle::dhNone)
        return bars;
    const bool close = style.closeButtonWhenDocked;
    const bool twoBars = style.handleStyle == TDragHandleStyle::dhDouble;
    const int first = twoBars ? (close ? 5 : 4) : (close ? 7 : 3);
    // Across the window's thickness from 2 pixels inside the outer edge to the far frame;
    // shortened past the close glyph when there is one.
    const int thickness = style.verticalDock ? size.width() : size.height();
    const QRect glyph = DockedCloseButtonRect(style, size);
    int start = DockedFrameWidth;
    int end = thickness - DockedFrameWidth;
    if (close && style.verticalDock)
        end = glyph.left() - 1;
    else if (close)
        start = glyph.bottom() + 2;
    for (int i = 0; i < (twoBars ? 2 : 1); ++i) {
        const int lead = first + 3 * i;
        bars.push_back(style.verticalDock ? QRect(start, lead, end - start, 3)
                                          : QRect(lead, start, 3, end - start));
    }
    return bars;
}

QRect DockedCloseButtonRect(const TDockedFrameStyle& style, QSize size) {
    if (!style.allowDrag || !style.closeButtonWhenDocked)
        return {};
    return style.verticalDock ? QRect(size.width() - DockedFrameWidth - 11, 3, 11, 11)
                              : QRect(3, 2, 11, 11);
}

QRect TFloatingFrameMetrics::captionRect(QSize window) const {
    if (!showCaption)
        return {};
    return {frame, frame, window.width() - 2 * frame, captionBarHeight()};
}

QRect TFloatingFrameMetrics::closeButtonRect(QSize window) const {
    const QRect caption = captionRect(window);
    if (caption.isEmpty())
        return {};
    const int side = caption.height();
    return QRect(caption.right() - side + 1, caption.top(), side, side).adjusted(1, 1, -1, -1);
}

TFloatingZone FloatingHitZone(const TFloatingFrameMetrics& metrics, QSize window, QPoint point,
                             bool closeButton) {
    if (point.y() < metrics.frame)
        return TFloatingZone::Top;
    if (point.y() >= window.height() - (metrics.frame + 1))
        return TFloatingZone::Bottom;
    if (point.x() < metrics.frame)
        return TFloatingZone::Left;
    if (point.x() >= window.width() - (metrics.frame + 1))
        return TFloatingZone::Right;
    if (closeButton && metrics.closeButtonRect(window).contains(point))
        return TFloatingZone::Close;
    return TFloatingZone::Client;
}

QString ShortenCaption(const QString& text, int width,
                       const std::function<int(const QString&)>& measure) {
    if (measure(text) <= width)
        return text;
    QString body = text;
    while (true) {
        const QString candidate = body + QStringLiteral("...");
        if (measure(candidate) <= width || candidate.size() <= 4 || body.isEmpty())
            return candidate;
        body.chop(1);
    }
}
