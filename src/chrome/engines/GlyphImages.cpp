#include "GlyphImages.h"

namespace GlyphImages {

namespace {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb LightGrey = qRgb(192, 192, 192);
constexpr QRgb MidGrey = qRgb(128, 128, 128);

bool isMasked(const QImage& mask, int x, int y) {
    return !mask.isNull() && x < mask.width() && y < mask.height()
           && (mask.pixel(x, y) & 0xFFFFFF) == (White & 0xFFFFFF);
}

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int numGlyphsForStrip(QSize stripSize) {
    const int w = stripSize.width();
    const int h = stripSize.height();
    if (w <= 0 || h <= 0 || w % h != 0)
        return 1;
    const int count = w / h;
    return count <= 5 ? count : 1;
}

QImage cell(const QImage& strip, int numGlyphs, int index) {
    if (strip.isNull() || numGlyphs < 1)
        return QImage();
    const int width = strip.width() / numGlyphs;
    if (width <= 0)
        return QImage();
    if (index < 0 || index >= numGlyphs)
        index = 0;
    return strip.copy(index * width, 0, width, strip.height());
}

QColor transparentColor(const QImage& image) {
    if (image.isNull())
        return QColor();
    return QColor(image.pixel(0, image.height() - 1) | 0xFF000000);
}

QImage withTransparency(const QImage& glyph, const QImage& mask) {
    if (glyph.isNull())
        return QImage();
    QImage result = argb(glyph);
    const QRgb key = transparentColor(glyph).rgb();
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const bool transparent = mask.isNull() ? (line[x] | 0xFF000000) == key : isMasked(mask, x, y);
            if (transparent)
                line[x] = 0;
        }
    }
    return result;
}

QImage colourKeyMask(const QImage& image, const QColor& key) {
    if (image.isNull())
        return QImage();
    QImage mask(image.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key.rgb() | 0xFF000000;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mask.setPixel(x, y, (image.pixel(x, y) | 0xFF000000) == keyRgb ? White : qRgb(0, 0, 0));
    return mask;
}

QImage generatedDisabledImage(const QImage& glyph, EmbossColors colors, bool oldDisabledStyle,
                              const QImage& mask) {
    if (glyph.isNull())
        return QImage();
    const QImage source = withTransparency(glyph, mask);
    QImage result(glyph.width() + 1, glyph.height() + 1, QImage::Format_ARGB32);
    result.fill(Qt::transparent);

    auto inShape = [&](int x, int y) {
        const QRgb pixel = source.pixel(x, y);
        if (qAlpha(pixel) == 0)
            return false;
        const QRgb colour = pixel | 0xFF000000;
        if (oldDisabledStyle)
            return qGray(colour) < 128;
        return colour != White && colour != LightGrey;
    };
    // Highlight first, one pixel down and right; the shadow then covers it where they meet.
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (inShape(x, y))
                result.setPixel(x + 1, y + 1, colors.highlight.rgb());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (inShape(x, y))
                result.setPixel(x, y, colors.shadow.rgb());
    return result;
}

QImage suppliedDisabledImage(const QImage& disabledCell, EmbossColors colors, const QImage& mask) {
    if (disabledCell.isNull())
        return QImage();
    const QImage source = withTransparency(disabledCell, mask);
    QImage result(disabledCell.width() + 1, disabledCell.height() + 1, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            const QRgb colour = pixel | 0xFF000000;
            if (colour == White)
                result.setPixel(x, y, colors.highlight.rgb());
            else if (colour == MidGrey)
                result.setPixel(x, y, colors.shadow.rgb());
            else
                result.setPixel(x, y, colour);
        }
    }
    return result;
}

} // namespace GlyphImages
