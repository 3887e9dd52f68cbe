#include "PixelArtIcon.h"

#include <QIconEngine>
#include <QPainter>

namespace {

// The picture enlarged by `scale` with each pixel kept whole (nearest neighbour), marked with
// that device pixel ratio so that it covers the same logical size.
QPixmap scalePixelArt(const QPixmap& picture, qreal scale) {
    if (picture.isNull() || scale <= 1.0)
        return picture;
    const QSize target(qRound(picture.width() * scale), qRound(picture.height() * scale));
    QPixmap scaled = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scaled.setDevicePixelRatio(scale);
    return scaled;
}

class TPixelArtIconEngine : public QIconEngine {
public:
    TPixelArtIconEngine(const QPixmap& normal, const QPixmap& disabled)
        : m_normal(normal), m_disabled(disabled) {}

    QIconEngine* clone() const override { return new TPixelArtIconEngine(m_normal, m_disabled); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return m_normal.size().boundedTo(size);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                         qreal scale) override {
        const QPixmap& picture = mode == QIcon::Disabled ? m_disabled : m_normal;
        if (size.width() < picture.width() || size.height() < picture.height())
            return scalePixelArt(picture.scaled(size, Qt::KeepAspectRatio), scale);
        return scalePixelArt(picture, scale);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        const QPixmap shown = scaledPixmap(rect.size(), mode, state, scale);
        const QSize logical = (QSizeF(shown.size()) / scale).toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - logical.width()) / 2,
                                                          (rect.height() - logical.height()) / 2),
                                  logical),
                            shown);
    }

private:
    QPixmap m_normal;
    QPixmap m_disabled;
};

} // namespace

QIcon PixelArtIcon(const QPixmap& normal, const QPixmap& disabled) {
    return QIcon(new TPixelArtIconEngine(normal, disabled));
}
