#include "ToolWindowPainter.h"

#include "ChromeEdges.h"
#include "Docks.h"
#include "SystemColors.h"
#include "ToolWindow.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

void gripBar(QPainter& painter, const QRect& bar, bool verticalDock) {
    painter.fillRect(bar, SystemColors::btnFace());
    DrawEdge(painter, bar, SystemColors::btnHighlight(), SystemColors::btnShadow());
    // The far end's corner pixel stays light so the bar reads as one raised piece.
    const QPoint corner =
        verticalDock ? QPoint(bar.right(), bar.top()) : QPoint(bar.left(), bar.bottom());
    painter.fillRect(QRect(corner, QSize(1, 1)), SystemColors::btnHighlight());
}

// A line of whole pixels from `from` to `to`, both ends included, as a one-pixel pen draws it
// at scale 1; at any scale factor each of its pixels covers whole screen pixels.
void pixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
    const QPoint span = to - from;
    const int steps = std::max(std::abs(span.x()), std::abs(span.y()));
    for (int i = 0; i <= steps; ++i) {
        const QPointF along =
            steps == 0 ? QPointF(from) : QPointF(from) + QPointF(span) * i / steps;
        painter.fillRect(QRect(along.toPoint(), QSize(1, 1)), color);
    }
}

QFont captionFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

namespace ToolWindowPainter {

void paintCloseGlyph(QPainter& painter, const QRect& rect, bool pressed) {
    painter.fillRect(rect, SystemColors::btnFace());
    if (pressed)
        DrawEdge(painter, rect, SystemColors::btnShadow(), SystemColors::btnHighlight());
    else
        DrawEdge(painter, rect, SystemColors::btnHighlight(), SystemColors::btnShadow());
    const int inset = std::max(3, rect.width() / 4);
    const QRect cross =
        rect.adjusted(inset, inset, -inset, -inset).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    const QColor ink = SystemColors::menuText();
    pixelLine(painter, cross.topLeft(), cross.bottomRight(), ink);
    pixelLine(painter, cross.topLeft() + QPoint(1, 0), cross.bottomRight() - QPoint(0, 1), ink);
    pixelLine(painter, cross.topRight(), cross.bottomLeft(), ink);
    pixelLine(painter, cross.topRight() - QPoint(1, 0), cross.bottomLeft() - QPoint(0, 1), ink);
}

void paintDocked(QPainter& painter, const TCustomToolWindow& window, TDock& dock) {
    const QRect all = window.rect();
    painter.fillRect(all, window.Color());
    if (dock.PaintsBackgroundOnBars()) {
        const QPoint originInDock = window.pos() - dock.DockClientRect().topLeft();
        dock.PaintBackground(painter, all.adjusted(1, 1, -1, -1), originInDock);
    }
    if (window.BorderStyle() == TToolWindowBorderStyle::bsSingle)
        DrawEdge(painter, all, SystemColors::btnHighlight(), SystemColors::btnShadow());
    else
        DrawEdge(painter, all, window.Color(), window.Color());
    const TDockedFrameStyle style = window.DockedStyle(&dock);
    for (const QRect& bar : GripBarRects(style, window.size()))
        gripBar(painter, bar, style.verticalDock);
    const QRect close = DockedCloseButtonRect(style, window.size());
    if (!close.isNull())
        paintCloseGlyph(painter, close, window.CloseButtonPressed());
}

void paintFloating(QPainter& painter, const TCustomToolWindow& window) {
    const QRect all = window.rect();
    const TFloatingFrameMetrics metrics = window.FloatingMetrics();
    painter.fillRect(all, SystemColors::btnFace());
    painter.fillRect(all.marginsRemoved(metrics.margins()), window.Color());
    DrawEdge(painter, all, SystemColors::btnFace(),
             SystemColors::palette().color(QPalette::Shadow));
    DrawEdge(painter, all.adjusted(1, 1, -1, -1), SystemColors::btnHighlight(),
             SystemColors::btnShadow());
    if (!metrics.showCaption)
        return;
    const QRect caption = metrics.captionRect(window.size());
    const bool inactive = window.CaptionInactive();
    painter.fillRect(caption,
                     inactive ? SystemColors::inactiveCaption() : SystemColors::activeCaption());
    QRect textArea = caption.adjusted(2, 0, -1, 0);
    if (window.CloseButton()) {
        const QRect close = metrics.closeButtonRect(window.size());
        paintCloseGlyph(painter, close, window.CloseButtonPressed());
        textArea.setRight(close.left() - 2);
    }
    painter.setFont(captionFont());
    const QFontMetrics fm(painter.font());
    const QString text =
        ShortenCaption(window.Caption(), textArea.width(),
                       [&fm](const QString& s) { return fm.horizontalAdvance(s); });
    painter.setPen(inactive ? SystemColors::inactiveCaptionText()
                            : SystemColors::activeCaptionText());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

} // namespace ToolWindowPainter
