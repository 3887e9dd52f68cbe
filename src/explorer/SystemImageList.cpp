#include "SystemImageList.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

QPixmap overlayPixmap(int size, int overlay) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::max(6, size / 2);
    const QRectF box(0.5, size - side - 0.5, side - 1, side - 1);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    if (overlay == 1) {
        // The link arrow: a white box with a curved arrow pointing up and right.
        painter.drawRect(box);
        QPainterPath arrow;
        arrow.moveTo(box.left() + side * 0.25, box.bottom() - side * 0.2);
        arrow.quadTo(box.left() + side * 0.25, box.top() + side * 0.35, box.right() - side * 0.25,
                     box.top() + side * 0.35);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, std::max(1.0, side / 8.0)));
        painter.drawPath(arrow);
        painter.drawLine(QPointF(box.right() - side * 0.25, box.top() + side * 0.35),
                         QPointF(box.right() - side * 0.45, box.top() + side * 0.15));
        painter.drawLine(QPointF(box.right() - side * 0.25, box.top() + side * 0.35),
                         QPointF(box.right() - side * 0.45, box.top() + side * 0.55));
    } else {
        // The shared hand: a small filled palm.
        painter.setBrush(QColor(0x20, 0x60, 0xC0));
        painter.drawEllipse(box.adjusted(1, side * 0.3, -1, 0));
    }
    return pixmap;
}

QPixmap drawWithOverlay(const QIcon& base, int size, QIcon::Mode mode, int overlay) {
    QPixmap pixmap = base.pixmap(QSize(size, size), mode);
    if (overlay < 0)
        return pixmap;
    QPainter painter(&pixmap);
    painter.drawPixmap(0, 0, overlayPixmap(pixmap.width(), overlay));
    return pixmap;
}

} // namespace

TSystemImageList& TSystemImageList::instance() {
    static TSystemImageList list;
    return list;
}

TSystemImageList::TSystemImageList() {
    add(QStringLiteral("document"), QApplication::style()->standardIcon(QStyle::SP_FileIcon));
}

QIcon TSystemImageList::icon(int index) const {
    if (index < 0 || index >= count())
        return {};
    return m_icons[static_cast<std::size_t>(index)];
}

int TSystemImageList::add(const QString& key, const QIcon& icon) {
    const int index = count();
    m_icons.push_back(icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon)
                                    : icon);
    m_indexes.insert(key, index);
    return index;
}

QIcon TSystemImageList::composedIcon(int normal, int open, int overlay) {
    const quint64 key =
        (quint64(quint32(normal)) << 32) | (quint64(quint16(open)) << 16) | quint16(overlay);
    const auto found = m_composed.constFind(key);
    if (found != m_composed.cend())
        return *found;
    QIcon composed;
    for (const int size : {16, 32, 48}) {
        composed.addPixmap(drawWithOverlay(icon(normal), size, QIcon::Normal, overlay),
                           QIcon::Normal);
        composed.addPixmap(drawWithOverlay(icon(open), size, QIcon::Normal, overlay),
                           QIcon::Selected);
    }
    m_composed.insert(key, composed);
    return composed;
}
