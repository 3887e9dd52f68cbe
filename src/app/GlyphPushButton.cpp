#include "GlyphPushButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

namespace {

// The logical coordinate nearest to `logical` that falls on a whole screen pixel.
qreal onWholePixel(qreal logical, qreal scale) {
    return std::round(logical * scale) / scale;
}

} // namespace

void TGlyphPushButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap glyph = icon().pixmap(iconSize(), devicePixelRatioF(), mode);
    const qreal scale = glyph.devicePixelRatio();
    const QSizeF size = QSizeF(glyph.size()) / scale;
    QPointF topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (isDown())
        topLeft += QPointF(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawPixmap(QPointF(onWholePixel(topLeft.x(), scale), onWholePixel(topLeft.y(), scale)),
                       glyph);
}

void TGlyphPushButton::setDefaultItem(TMenuItem* item) {
    m_defaultItem.link(this, item, &QPushButton::clicked, &TGlyphPushButton::showDefaultItem);
}

void TGlyphPushButton::showDefaultItem() {
    if (const TMenuItem* item = m_defaultItem.item())
        setEnabled(item->isEnabled());
}
