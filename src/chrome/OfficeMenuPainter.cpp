#include "OfficeMenuPainter.h"

#include "ChromePatterns.h"
#include "GlyphStrip.h"
#include "ReadableColors.h"
#include "SystemColors.h"

#include <QFontMetrics>
#include <QPainter>

namespace OfficeMenuPainter {

namespace {

constexpr int G = GlyphBox;

struct ItemEdges {
    int left;
    int top;
    int right;   // exclusive
    int bottom;  // exclusive
};

ItemEdges edgesOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

void fillInclusive(QPainter& painter, int x0, int y0, int x1, int y1, const QBrush& brush) {
    if (x1 < x0 || y1 < y0)
        return;
    painter.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), brush);
}

void hLine(QPainter& painter, int x0, int x1, int y, const QColor& color) {
    fillInclusive(painter, x0, y, x1, y, color);
}

void vLine(QPainter& painter, int x, int y0, int y1, const QColor& color) {
    fillInclusive(painter, x, y0, x, y1, color);
}

// The frame around the glyph box from (L, T) to (L + G, T + G): `lightSide` on the left and
// top, `darkSide` on the bottom and right, drawn in that order.
void boxFrame(QPainter& painter, int l, int t, const QColor& lightSide, const QColor& darkSide) {
    vLine(painter, l, t + 1, t + G, lightSide);
    hLine(painter, l, l + G - 1, t, lightSide);
    hLine(painter, l, l + G - 1, t + G, darkSide);
    vLine(painter, l + G, t + 1, t + G, darkSide);
}

void drawCheckMark(QPainter& painter, int l, int t) {
    const int x0 = l + 1 + (G - 9) / 2;
    const int y0 = t + 2 + (G - 9) / 2;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const char pixel = CheckMarkRows[row][column];
            if (pixel == '#')
                painter.fillRect(x0 + column, y0 + row, 1, 1, Qt::black);
            else if (pixel == 'W')
                painter.fillRect(x0 + column, y0 + row, 1, 1, Qt::white);
        }
    }
}

// The pictures are drawn for light menus, with black outlines: on a dark menu their dark pixels
// are lightened until they show on the face.
void drawGlyphCentred(QPainter& painter, TGlyphStrip& glyphs, int tag, int l, int t,
                      const TMenuColors& colors) {
    const int x = (2 * l + G + 1 - glyphs.Width()) / 2;
    const int y = (2 * t + G + 1 - glyphs.Height()) / 2;
    QImage image = glyphs.DrawnImage(tag - 1);
    if (image.isNull())
        return;
    if (ReadableColors::lightOnDark(colors.menuText, colors.menu))
        image = ReadableColors::readableImageOn(image, colors.btnFace,
                                                ReadableColors::GraphicsContrast);
    painter.drawImage(x, y, image);
}

// A disabled picture: only the cell's black pixels, each as a highlight dot with a shadow dot
// up and left of it.
void drawEmbossedGlyph(QPainter& painter, TGlyphStrip& glyphs, int tag, int l, int t,
                       const TMenuColors& colors) {
    const QImage cell = glyphs.GetGlyph(tag - 1);
    if (cell.isNull())
        return;
    const int x0 = l - (cell.width() - G) / 2;
    const int y0 = t - (cell.height() - G) / 2;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if ((cell.pixel(x, y) & 0xFFFFFF) != 0)
                continue;
            painter.fillRect(x0 + x, y0 + y, 1, 1, colors.btnHighlight);
            painter.fillRect(x0 + x - 1, y0 + y - 1, 1, 1, colors.btnShadow);
        }
    }
}

// The text rectangle: the item shrunk vertically to the text height and moved sideways.
QRect textRect(const ItemEdges& e, int textHeight, int shift) {
    const int inset = ((e.bottom - e.top) - textHeight) / 2;
    return QRect(QPoint(e.left + shift, e.top + inset), QPoint(e.right + shift - 1, e.bottom - inset - 1));
}

void drawOpaqueText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                    const QColor& color, const QColor& background) {
    const QRect bounds = painter.fontMetrics().boundingRect(rect, flags, text);
    painter.fillRect(bounds, background);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
}

void drawText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& color) {
    painter.setPen(color);
    painter.drawText(rect, flags, text);
}

void drawSeparator(QPainter& painter, const ItemEdges& e, const TMenuColors& colors) {
    const int middle = e.top + (e.bottom - e.top) / 2;
    hLine(painter, e.left + 1, e.right - 2, middle, colors.btnShadow);
    hLine(painter, e.left + 1, e.right - 2, middle + 1, colors.btnHighlight);
}

// Submenu items get the platform's small arrow at the right end of the row.
void drawSubmenuArrow(QPainter& painter, const ItemEdges& e, const QColor& color) {
    const int x = e.right - 10;
    const int y = e.top + (e.bottom - e.top) / 2;
    for (int i = 0; i < 4; ++i)
        vLine(painter, x + i, y - 3 + i, y + 3 - i, color);
}

} // namespace

TMenuColors TMenuColors::system() {
    return {SystemColors::btnFace(),   SystemColors::btnHighlight(),  SystemColors::btnShadow(),
            SystemColors::highlight(), SystemColors::highlightText(), SystemColors::menu(),
            SystemColors::menuText()};
}

bool isSeparatorCaption(const QString& caption) {
    return caption == QLatin1String("-");
}

QString displayedCaption(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            shown += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == u'&')
            shown += caption[++i];
    }
    return shown;
}

int itemWidth(const QFontMetrics& metrics, const TItemView& item) {
    int width = metrics.horizontalAdvance(displayedCaption(item.caption)) + 2 * G + 2;
    // The caption and the right-aligned shortcut of the widest item would otherwise touch.
    if (!item.shortcutText.isEmpty())
        width += metrics.horizontalAdvance(item.shortcutText) + ShortcutGap;
    return width;
}

void drawItem(QPainter& painter, const TItemView& item, const QRect& rect, int state,
              TGlyphStrip* glyphs, const TMenuColors& colors) {
    const ItemEdges e = edgesOf(rect);
    if (isSeparatorCaption(item.caption)) {
        drawSeparator(painter, e, colors);
        return;
    }
    const bool selected = state & odsSelected;
    const bool disabled = state & odsDisabled;
    const bool checked = state & odsChecked;
    // A strip without a picture draws nothing, but the item still has its glyph box.
    const bool hasGlyph = glyphs && item.tag > 0;

    QColor background = selected && !disabled ? colors.highlight : colors.btnFace;
    fillInclusive(painter, e.left + G + 2, e.top, e.right - 1, e.bottom - 1, background);

    if (selected && !checked && !disabled && hasGlyph)
        boxFrame(painter, e.left, e.top, colors.btnHighlight, colors.btnShadow);
    else
        fillInclusive(painter, e.left, e.top, e.left + G + 1, e.bottom - 1, background);

    if (checked) {
        if (selected) {
            fillInclusive(painter, e.left + 1, e.top + 1, e.left + G - 1, e.bottom - 2, colors.menu);
        } else {
            painter.setBrushOrigin(0, 0);
            fillInclusive(painter, e.left + 1, e.top + 1, e.left + G - 1, e.bottom - 2,
                          QBrush(ChromePatterns::ditherPattern(colors.btnFace, colors.btnHighlight)));
        }
        boxFrame(painter, e.left, e.top, colors.btnShadow, colors.btnHighlight);
        background = selected ? colors.highlight : colors.menu;
        if (!item.radio)
            drawCheckMark(painter, e.left, e.top);
    } else if (hasGlyph) {
        if (disabled)
            drawEmbossedGlyph(painter, *glyphs, item.tag, e.left, e.top, colors);
        else
            drawGlyphCentred(painter, *glyphs, item.tag, e.left, e.top, colors);
    }
    if (item.radio && hasGlyph && !disabled && checked)
        drawGlyphCentred(painter, *glyphs, item.tag, e.left, e.top, colors);

    const QColor fontColor = selected ? colors.highlightText : colors.menuText;
    const int textHeight = painter.fontMetrics().height();
    const int captionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QRect captionRect = textRect(e, textHeight, CaptionIndent);
    if (!disabled) {
        drawOpaqueText(painter, captionRect, captionFlags, item.caption, fontColor, background);
    } else {
        drawText(painter, captionRect.translated(1, 1), captionFlags, item.caption, colors.btnHighlight);
        drawText(painter, captionRect, captionFlags, item.caption, colors.btnShadow);
    }

    if (!item.shortcutText.isEmpty()) {
        const int shortcutFlags = Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine;
        const QRect shortcutRect = textRect(e, textHeight, -G);
        if (!disabled)
            drawOpaqueText(painter, shortcutRect, shortcutFlags, item.shortcutText, fontColor, background);
        else
            drawText(painter, shortcutRect, shortcutFlags, item.shortcutText, colors.btnShadow);
    }

    if (item.hasSubmenu)
        drawSubmenuArrow(painter, e, disabled ? colors.btnShadow : fontColor);
}

} // namespace OfficeMenuPainter
