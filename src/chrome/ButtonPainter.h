#pragma once

#include "ButtonTypes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

// Everything a toolbar button's look depends on, gathered so that painting is one function.
struct TButtonPaintOptions {
    QSize size;
    bool flat = true;
    bool noBorder = false;
    TButtonState state = TButtonState::bsUp;
    bool mouseInControl = false;
    bool menuPressed = false;
    bool combo = false;          // DropdownCombo with a drop-down
    bool arrow = false;          // the small arrow after glyph and caption
    int arrowWidth = 9;
    QImage glyphImage;           // the state's image; null draws no glyph
    QSize glyphSize;             // the size the layout reserves for the glyph (0 x 0 for none)
    QString caption;             // empty draws no caption
    QFont font;
    QColor fontColor;
    TCaptionAlignment alignment = TCaptionAlignment::taCenter;
    bool wordWrap = false;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1;
    int spacing = 4;
};

namespace ButtonPainter {

// Paints borders, latched pattern, glyph, caption and arrows. The background (the button's
// colour, or the parent showing through) is the caller's.
void paint(QPainter& painter, const TButtonPaintOptions& options);

// The filled 5 x 3 down-pointing arrow with its top row at y, centred at left + arrowWidth div 2.
void drawArrow(QPainter& painter, int left, int top, int arrowWidth, bool disabled, const QColor& color);

} // namespace ButtonPainter
