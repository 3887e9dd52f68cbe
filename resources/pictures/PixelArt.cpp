#include "PixelArt.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace PixelArt {

QRgb colourOf(char pixel) {
    switch (pixel) {
    case '.': return Transparent;
    case '#': return qRgb(0, 0, 0);
    case 'W': return qRgb(255, 255, 255);
    case 'g': return qRgb(192, 192, 192);
    case 'G': return qRgb(128, 128, 128);
    case 'y': return qRgb(255, 255, 0);
    case 'Y': return qRgb(128, 128, 0);
    case 'b': return qRgb(0, 0, 255);
    case 'B': return qRgb(0, 0, 128);
    case 'r': return qRgb(255, 0, 0);
    case 'R': return qRgb(128, 0, 0);
    case 'n': return qRgb(0, 255, 0);
    case 'N': return qRgb(0, 128, 0);
    case 'c': return qRgb(0, 255, 255);
    case 'C': return qRgb(0, 128, 128);
    case 'p': return qRgb(128, 0, 128);
    default: break;
    }
    throw std::invalid_argument(std::string("unknown pixel colour '") + pixel + "'");
}

QImage fromRows(std::initializer_list<const char*> rows) {
    const int height = int(rows.size());
    const int width = height == 0 ? 0 : int(std::strlen(*rows.begin()));
    QImage image(width, height, QImage::Format_RGB32);
    int y = 0;
    for (const char* row : rows) {
        if (int(std::strlen(row)) != width)
            throw std::invalid_argument("picture row " + std::to_string(y) + " is not " + std::to_string(width)
                                        + " pixels wide: " + row);
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colourOf(row[x]));
        ++y;
    }
    return image;
}

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Transparent);
    return image;
}

void stamp(QImage& target, const QImage& art, QPoint at) {
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            const QRgb pixel = art.pixel(x, y);
            const QPoint p = at + QPoint(x, y);
            if (pixel != Transparent && target.rect().contains(p))
                target.setPixel(p, pixel);
        }
    }
}

QImage centred(const QImage& art, int width, int height) {
    QImage image = blank(width, height);
    stamp(image, art, QPoint((width - art.width()) / 2, (height - art.height()) / 2));
    return image;
}

QImage greyed(const QImage& art) {
    QImage image = blank(art.width(), art.height());
    const QRgb white = qRgb(255, 255, 255);
    auto inShape = [&](int x, int y) {
        const QRgb pixel = art.pixel(x, y);
        return pixel != Transparent && qGray(pixel) < 100;
    };
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            if (inShape(x, y) && x + 1 < art.width() && y + 1 < art.height())
                image.setPixel(x + 1, y + 1, white);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            if (inShape(x, y))
                image.setPixel(x, y, qRgb(128, 128, 128));
    return image;
}

QImage withGreyedImage(const QImage& art) {
    QImage pair = blank(art.width() * 2, art.height());
    stamp(pair, art, QPoint(0, 0));
    // The greyed half keeps the transparent ground everywhere outside the shape.
    const QImage grey = greyed(art);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            pair.setPixel(art.width() + x, y, grey.pixel(x, y));
    return pair;
}

} // namespace PixelArt
