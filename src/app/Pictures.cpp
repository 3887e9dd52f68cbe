#include "Pictures.h"

#include <QBitmap>

QPixmap TransparentPixmap(const QImage& image) {
    QPixmap pixmap = QPixmap::fromImage(image);
    if (!image.isNull())
        pixmap.setMask(
            QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1))));
    return pixmap;
}

QPixmap TransparentPicture(const QString& resource) {
    return TransparentPixmap(QImage(resource));
}
