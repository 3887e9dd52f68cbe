#include "ButtonPainter.h"

#include "ButtonGeometry.h"
#include "ButtonLayout.h"
#include "ChromeEdges.h"
#include "ChromePatterns.h"
#include "SystemColors.h"

#include <QFontMetrics>
#include <QPainter>

namespace ButtonPainter {

namespace {

struct EdgeColors {
    QColor topLeft;
    QColor bottomRight;
};

void frameRect(QPainter& painter, const QRect& r, const EdgeColors& colors) {
    DrawEdge(painter, r, colors.topLeft, colors.bottomRight);
}

void drawFrame(QPainter& painter, const QRect& r, bool flat, bool sunken) {
    const QColor light = SystemColors::btnHighlight();
    const QColor shadow = SystemColors::btnShadow();
    if (flat) {
        frameRect(painter, r, sunken ? EdgeColors{shadow, light} : EdgeColors{light, shadow});
        return;
    }
    const QColor darkShadow = SystemColors::palette().color(QPalette::Shadow);
    const QColor midLight = SystemColors::palette().color(QPalette::Midlight);
    painter.fillRect(r.adjusted(2, 2, -2, -2), SystemColors::btnFace());
    if (sunken) {
        frameRect(painter, r, {shadow, light});
        frameRect(painter, r.adjusted(1, 1, -1, -1), {darkShadow, midLight});
    } else {
        frameRect(painter, r, {light, darkShadow});
        frameRect(painter, r.adjusted(1, 1, -1, -1), {midLight, shadow});
    }
}

int captionFlags(const TButtonPaintOptions& o) {
    int flags = Qt::TextShowMnemonic | Qt::AlignVCenter;
    flags |= o.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    switch (o.alignment) {
    case TCaptionAlignment::taLeftJustify:
        return flags | Qt::AlignLeft;
    case TCaptionAlignment::taRightJustify:
        return flags | Qt::AlignRight;
    case TCaptionAlignment::taCenter:
        break;
    }
    return flags | Qt::AlignHCenter;
}

QSize measureCaption(const TButtonPaintOptions& o, int boxWidth) {
    const QFontMetrics metrics(o.font);
    const int flags = Qt::TextShowMnemonic | (o.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    return metrics.boundingRect(QRect(0, 0, std::max(boxWidth, 0), 0), flags, o.caption).size();
}

void drawCaption(QPainter& painter, const TButtonPaintOptions& o, const QRect& rect) {
    painter.setFont(o.font);
    const int flags = captionFlags(o);
    if (o.state == TButtonState::bsDisabled) {
        painter.setPen(SystemColors::btnHighlight());
        painter.drawText(rect.translated(1, 1), flags, o.caption);
        painter.setPen(SystemColors::btnShadow());
    } else {
        painter.setPen(o.fontColor);
    }
    painter.drawText(rect, flags, o.caption);
}

void triangle(QPainter& painter, int c, int y, const QColor& color) {
    for (int row = 0; row < 3; ++row)
        painter.fillRect(QRect(c - 2 + row, y + row, 5 - 2 * row, 1), color);
}

} // namespace

void drawArrow(QPainter& painter, int left, int top, int arrowWidth, bool disabled,
               const QColor& color) {
    const int c = left + arrowWidth / 2;
    if (disabled) {
        triangle(painter, c + 1, top + 1, SystemColors::btnHighlight());
        triangle(painter, c, top, SystemColors::btnShadow());
    } else {
        triangle(painter, c, top, color);
    }
}

void paint(QPainter& painter, const TButtonPaintOptions& o) {
    const bool pushed = o.state == TButtonState::bsDown || o.state == TButtonState::bsExclusive;
    const bool drawPressed = pushed && !(o.combo && o.menuPressed);
    const bool drawBorder =
        !o.noBorder &&
        (!o.flat || pushed || (o.mouseInControl && o.state != TButtonState::bsDisabled));

    QRect mainPart(QPoint(0, 0), o.size);
    if (o.combo) {
        if (drawBorder)
            drawFrame(painter, ButtonGeometry::arrowPartRect(o.size, o.arrowWidth), o.flat,
                      pushed && o.menuPressed);
        mainPart = ButtonGeometry::mainPartRect(o.size, o.arrowWidth, true);
    }
    if (drawBorder)
        drawFrame(painter, mainPart, o.flat, drawPressed);

    QRect content = mainPart;
    if (!o.noBorder) {
        const int inset = o.flat ? 1 : 2;
        content.adjust(inset, inset, -inset, -inset);
    }
    if (drawPressed && o.state == TButtonState::bsExclusive && (!o.flat || !o.mouseInControl)) {
        painter.setBrushOrigin(0, 0);
        painter.fillRect(content, QBrush(ChromePatterns::systemDitherPattern()));
    }

    TButtonLayoutInput layout;
    layout.content = content;
    layout.pressOffset = drawPressed ? QPoint(1, 1) : QPoint(0, 0);
    layout.glyph = o.glyphImage.isNull() ? QSize(0, 0) : o.glyphSize;
    layout.hasCaption = !o.caption.isEmpty();
    layout.arrow = o.arrow;
    layout.arrowWidth = o.arrowWidth;
    layout.layout = o.layout;
    layout.margin = o.margin;
    layout.spacing = o.spacing;
    layout.wordWrap = o.wordWrap;
    layout.measureCaption = [&o](int boxWidth) { return measureCaption(o, boxWidth); };
    const TButtonLayoutResult placed = LayoutButtonContent(layout);

    if (!o.glyphImage.isNull())
        painter.drawImage(placed.glyphPos, o.glyphImage);
    if (!placed.captionRect.isEmpty())
        drawCaption(painter, o, placed.captionRect);
    const bool disabled = o.state == TButtonState::bsDisabled;
    if (placed.hasArrow)
        drawArrow(painter, placed.arrowPos.x(), placed.arrowPos.y(), o.arrowWidth, disabled,
                  o.fontColor);
    if (o.combo)
        drawArrow(painter, ButtonGeometry::arrowPartLeft(o.size.width(), o.arrowWidth),
                  o.size.height() / 2, o.arrowWidth, disabled, o.fontColor);
}

} // namespace ButtonPainter
