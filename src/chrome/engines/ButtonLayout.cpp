#include "ButtonLayout.h"

namespace {

bool isHorizontal(const TButtonLayoutInput& in) {
    return in.glyph.isEmpty() || in.layout == TButtonLayout::blGlyphLeft
           || in.layout == TButtonLayout::blGlyphRight;
}

// The width of the box the caption may use, so that wrapped text leaves room for the rest.
int captionBoxWidth(const TButtonLayoutInput& in, bool horizontal, int arrowW) {
    int box = in.content.width();
    if (horizontal)
        box -= arrowW;
    if (!in.wordWrap)
        return box;
    const bool glyphBeside = horizontal && !in.glyph.isEmpty();
    if (glyphBeside) {
        const int spacing = in.spacing == -1 ? 4 : in.spacing;
        const int margin = in.margin == -1 ? spacing : in.margin;
        box -= in.glyph.width() + spacing + 2 * margin;
    } else {
        box -= 8;
    }
    return box;
}

} // namespace

TButtonLayoutResult LayoutButtonContent(const TButtonLayoutInput& in) {
    const bool horizontal = isHorizontal(in);
    const int arrowW = in.arrow ? in.arrowWidth : 0;
    const int arrowH = in.arrow ? DropdownArrowHeight : 0;
    const QSize glyph = in.glyph.isEmpty() ? QSize(0, 0) : in.glyph;
    const int w = in.content.width();
    const int h = in.content.height();

    QSize caption(0, 0);
    if (in.hasCaption && in.measureCaption)
        caption = in.measureCaption(captionBoxWidth(in, horizontal, arrowW));

    int margin = in.margin;
    int spacing = in.spacing;
    if (caption.isEmpty() || glyph.isEmpty())
        spacing = 0;

    QPoint glyphPos;
    QPoint captionPos;
    QPoint arrowPos;
    if (horizontal) {
        glyphPos.setY((h - glyph.height() + 1) / 2);
        captionPos.setY((h - caption.height() + 1) / 2);
    } else {
        glyphPos.setX((w - glyph.width() - arrowW + 1) / 2);
        captionPos.setX((w - caption.width() + 1) / 2);
    }

    const int glyphLen = horizontal ? glyph.width() : glyph.height();
    const int captionLen = horizontal ? caption.width() : caption.height();
    const int total = glyphLen + captionLen + (horizontal ? arrowW : 0);
    const int avail = horizontal ? w : h;
    if (margin == -1 && spacing == -1) {
        margin = (avail - total) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (avail - total - spacing + 1) / 2;
    } else if (spacing == -1) {
        spacing = (avail - margin - total) / 2;
    }

    // Without a glyph there is nothing to put above or below the caption.
    const bool vertical = in.layout == TButtonLayout::blGlyphTop || in.layout == TButtonLayout::blGlyphBottom;
    const TButtonLayout effective = glyph.isEmpty() && vertical ? TButtonLayout::blGlyphLeft : in.layout;
    switch (effective) {
    case TButtonLayout::blGlyphLeft:
        glyphPos.setX(margin);
        captionPos.setX(margin + glyph.width() + spacing);
        arrowPos.setX(captionPos.x() + caption.width());
        break;
    case TButtonLayout::blGlyphRight:
        arrowPos.setX(w - margin - arrowW);
        glyphPos.setX(arrowPos.x() - glyph.width());
        captionPos.setX(glyphPos.x() - spacing - caption.width());
        break;
    case TButtonLayout::blGlyphTop:
        glyphPos.setY(margin);
        captionPos.setY(margin + glyph.height() + spacing);
        break;
    case TButtonLayout::blGlyphBottom:
        glyphPos.setY(h - margin - glyph.height());
        captionPos.setY(glyphPos.y() - spacing - caption.height());
        break;
    }
    if (!horizontal)
        arrowPos.setX(glyphPos.x() + glyph.width());

    arrowPos.rx() += 1;
    arrowPos.setY(glyph.isEmpty() ? captionPos.y() + (caption.height() - arrowH) / 2
                                  : glyphPos.y() + (glyph.height() - arrowH) / 2);

    const QPoint origin = in.content.topLeft() + in.pressOffset;
    TButtonLayoutResult result;
    result.glyphPos = glyphPos + origin;
    if (!caption.isEmpty())
        result.captionRect = QRect(captionPos + origin, caption);
    result.arrowPos = arrowPos + origin;
    result.hasArrow = in.arrow;
    return result;
}
