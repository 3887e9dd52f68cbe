#include "GlyphImages.h"

namespace GlyphImages {

namespace {

constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb LightGrey = qRgb(192, 192, 192);
constexpr QRgb MidGrey = qRgb(128, 128, 128);

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The image with 32-bit lines holding the values QImage::pixel reads from it: stored values
// of premultiplied images, not undone ones.
QImage readable(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(image.pixelFormat().premultiplied() ==
                                             QPixelFormat::Premultiplied
                                         ? QImage::Format_ARGB32_Premultiplied
                                         : QImage::Format_ARGB32);
    }
}

// Pixels are read a line at a time: the per-pixel accessors cost more than the work itself,
// and every toolbar picture goes through here before the first frame.
const QRgb* lineOf(const QImage& argbImage, int y) {
    return reinterpret_cast<const QRgb*>(argbImage.constScanLine(y));
}

QRgb* lineOf(QImage& argbImage, int y) {
    return reinterpret_cast<QRgb*>(argbImage.scanLine(y));
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
    const QImage maskPixels = readable(mask);
    for (int y = 0; y < result.height(); ++y) {
        QRgb* line = lineOf(result, y);
        const QRgb* maskLine = y < maskPixels.height() ? lineOf(maskPixels, y) : nullptr;
        const int maskWidth = maskLine ? maskPixels.width() : 0;
        for (int x = 0; x < result.width(); ++x) {
            // Where a mask is given, white marks the transparent pixels; beyond its edge none are.
            const bool transparent = mask.isNull()
                                         ? (line[x] | 0xFF000000) == key
                                         : x < maskWidth && (maskLine[x] | 0xFF000000) == White;
            if (transparent)
                line[x] = 0;
        }
    }
    return result;
}

QImage colourKeyMask(const QImage& image, const QColor& key) {
    if (image.isNull())
        return QImage();
    const QImage pixels = readable(image);
    QImage mask(image.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key.rgb() | 0xFF000000;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* from = lineOf(pixels, y);
        QRgb* to = lineOf(mask, y);
        for (int x = 0; x < image.width(); ++x)
            to[x] = (from[x] | 0xFF000000) == keyRgb ? White : qRgb(0, 0, 0);
    }
    return mask;
}

QImage generatedDisabledImage(const QImage& glyph, TEmbossColors colors, bool oldDisabledStyle,
                              const QImage& mask) {
    if (glyph.isNull())
        return QImage();
    const QImage source = withTransparency(glyph, mask);
    QImage result(glyph.width() + 1, glyph.height() + 1, QImage::Format_ARGB32);
    result.fill(Qt::transparent);

    auto inShape = [&](QRgb pixel) {
        if (qAlpha(pixel) == 0)
            return false;
        const QRgb colour = pixel | 0xFF000000;
        if (oldDisabledStyle)
            return qGray(colour) < 128;
        return colour != White && colour != LightGrey;
    };
    // Highlight first, one pixel down and right; the shadow then covers it where they meet.
    const QRgb highlight = colors.highlight.rgb();
    const QRgb shadow = colors.shadow.rgb();
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* from = lineOf(source, y);
        QRgb* below = lineOf(result, y + 1);
        for (int x = 0; x < source.width(); ++x)
            if (inShape(from[x]))
                below[x + 1] = highlight;
    }
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* from = lineOf(source, y);
        QRgb* to = lineOf(result, y);
        for (int x = 0; x < source.width(); ++x)
            if (inShape(from[x]))
                to[x] = shadow;
    }
    return result;
}

QImage suppliedDisabledImage(const QImage& disabledCell, TEmbossColors colors, const QImage& mask) {
    if (disabledCell.isNull())
        return QImage();
    const QImage source = withTransparency(disabledCell, mask);
    QImage result(disabledCell.width() + 1, disabledCell.height() + 1, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const QRgb highlight = colors.highlight.rgb();
    const QRgb shadow = colors.shadow.rgb();
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* from = lineOf(source, y);
        QRgb* to = lineOf(result, y);
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(from[x]) == 0)
                continue;
            const QRgb colour = from[x] | 0xFF000000;
            to[x] = colour == White ? highlight : colour == MidGrey ? shadow : colour;
        }
    }
    return result;
}

} // namespace GlyphImages
