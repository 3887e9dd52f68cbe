#include "ChromePatterns.h"

#include "SystemColors.h"


namespace ChromePatterns {

namespace {

struct CachedPattern {
    QRgb face = 0;
    QRgb light = 0;
    QImage image;
};

CachedPattern& cache() {
    static CachedPattern pattern;
    return pattern;
}

} // namespace

QImage ditherPattern(const QColor& face, const QColor& light) {
    CachedPattern& cached = cache();
    if (!cached.image.isNull() && cached.face == face.rgb() && cached.light == light.rgb())
        return cached.image;
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, (x % 2 == y % 2) ? light.rgb() : face.rgb());
    cached = {face.rgb(), light.rgb(), image};
    return cached.image;
}

QImage systemDitherPattern() {
    return ditherPattern(SystemColors::btnFace(), SystemColors::btnHighlight());
}

} // namespace ChromePatterns
