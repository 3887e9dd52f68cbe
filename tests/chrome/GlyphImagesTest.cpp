#include "GlyphImages.h"

#include <gtest/gtest.h>

using namespace GlyphImages;

namespace {

const QRgb Magenta = qRgb(255, 0, 255);
const QColor Light(255, 255, 255);
const QColor Shadow(128, 128, 128);

QImage filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(GlyphImages, NumGlyphsFromStripSize) {
    EXPECT_EQ(numGlyphsForStrip({32, 16}), 2);
    EXPECT_EQ(numGlyphsForStrip({96, 16}), 1) << "six cells are not allowed";
    EXPECT_EQ(numGlyphsForStrip({30, 16}), 1);
    EXPECT_EQ(numGlyphsForStrip({80, 16}), 5);
    EXPECT_EQ(numGlyphsForStrip({16, 16}), 1);
    EXPECT_EQ(numGlyphsForStrip({0, 16}), 1);
    EXPECT_EQ(numGlyphsForStrip({16, 0}), 1);
}

TEST(GlyphImages, CellsOfAStrip) {
    QImage strip = filled(34, 17, Magenta);
    strip.setPixel(17, 0, qRgb(1, 2, 3));
    const QImage second = cell(strip, 2, 1);
    EXPECT_EQ(second.size(), QSize(17, 17));
    EXPECT_EQ(second.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(cell(strip, 2, 4).pixel(0, 0), Magenta) << "a missing cell falls back to cell 0";
    EXPECT_TRUE(cell(QImage(), 1, 0).isNull());
}

TEST(GlyphImages, TransparencyFromBottomLeftOrMask) {
    QImage glyph = filled(3, 3, qRgb(0, 128, 0));
    glyph.setPixel(0, 2, Magenta);
    glyph.setPixel(1, 1, Magenta);
    const QImage keyed = withTransparency(glyph);
    EXPECT_EQ(qAlpha(keyed.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 2)), 0);
    EXPECT_EQ(keyed.pixel(0, 0), qRgb(0, 128, 0));

    QImage mask = filled(3, 3, qRgb(0, 0, 0));
    mask.setPixel(2, 0, qRgb(255, 255, 255));
    const QImage masked = withTransparency(glyph, mask);
    EXPECT_EQ(qAlpha(masked.pixel(2, 0)), 0);
    EXPECT_EQ(qAlpha(masked.pixel(1, 1)), 255) << "a mask replaces the colour key";
}

TEST(GlyphImages, GeneratedDisabledImageIsEmbossedAndOnePixelLarger) {
    // A 4 x 4 glyph on magenta: a black pixel, a white one, a light grey one, a blue one.
    QImage glyph = filled(4, 4, Magenta);
    glyph.setPixel(1, 1, qRgb(0, 0, 0));
    glyph.setPixel(2, 1, qRgb(255, 255, 255));
    glyph.setPixel(1, 2, qRgb(192, 192, 192));
    glyph.setPixel(2, 2, qRgb(0, 0, 255));
    const QImage disabled = generatedDisabledImage(glyph, {Light, Shadow}, false);
    ASSERT_EQ(disabled.size(), QSize(5, 5));
    EXPECT_EQ(disabled.pixel(1, 1), Shadow.rgb());
    EXPECT_EQ(disabled.pixel(2, 2), Shadow.rgb()) << "the blue pixel's shadow covers the black one's highlight";
    EXPECT_EQ(disabled.pixel(3, 3), Light.rgb());
    EXPECT_EQ(qAlpha(disabled.pixel(2, 1)), 0) << "white is left out";
    EXPECT_EQ(qAlpha(disabled.pixel(1, 2)), 0) << "light grey is left out";
    EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0) << "transparent stays transparent";
    EXPECT_EQ(qAlpha(disabled.pixel(4, 4)), 0);
}

TEST(GlyphImages, OlderRuleTakesOnlyDarkPixels) {
    QImage glyph = filled(3, 3, Magenta);
    glyph.setPixel(0, 0, qRgb(0, 0, 255));
    glyph.setPixel(1, 0, qRgb(255, 255, 0));
    const QImage disabled = generatedDisabledImage(glyph, {Light, Shadow}, true);
    EXPECT_EQ(disabled.pixel(0, 0), Shadow.rgb());
    EXPECT_EQ(qAlpha(disabled.pixel(1, 0)), 0);
    EXPECT_EQ(disabled.pixel(2, 1), QColor(Qt::transparent).rgba());
}

TEST(GlyphImages, SuppliedDisabledCellReplacesWhiteAndGrey) {
    QImage cellImage = filled(3, 3, Magenta);
    cellImage.setPixel(0, 0, qRgb(255, 255, 255));
    cellImage.setPixel(1, 0, qRgb(128, 128, 128));
    cellImage.setPixel(2, 0, qRgb(10, 20, 30));
    const QColor light(250, 240, 230);
    const QColor shadow(60, 70, 80);
    const QImage disabled = suppliedDisabledImage(cellImage, {light, shadow});
    ASSERT_EQ(disabled.size(), QSize(4, 4));
    EXPECT_EQ(disabled.pixel(0, 0), light.rgb());
    EXPECT_EQ(disabled.pixel(1, 0), shadow.rgb());
    EXPECT_EQ(disabled.pixel(2, 0), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(disabled.pixel(3, 0)), 0);
    EXPECT_EQ(qAlpha(disabled.pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(disabled.pixel(1, 1)), 0);
}

// The pixels are taken as QImage::pixel gives them, whatever the images' formats: 24-bit and
// one-bit images, masks smaller than the glyph, premultiplied masks read as stored.
TEST(GlyphImages, AnyFormatReadsAsItsPixels) {
    QImage glyph = filled(3, 3, qRgb(0, 128, 0)).convertToFormat(QImage::Format_RGB888);
    glyph.setPixel(0, 2, Magenta);
    const QImage keyMask = colourKeyMask(glyph, transparentColor(glyph));
    EXPECT_EQ(keyMask.pixel(0, 2), qRgb(255, 255, 255));
    EXPECT_EQ(keyMask.pixel(1, 1), qRgb(0, 0, 0));

    QImage oneBit(2, 2, QImage::Format_Mono);
    oneBit.fill(0);
    oneBit.setPixel(1, 1, 1);
    const QImage masked = withTransparency(glyph, oneBit);
    EXPECT_EQ(qAlpha(masked.pixel(1, 1)), 0) << "white in a one-bit mask";
    EXPECT_EQ(qAlpha(masked.pixel(0, 2)), 255) << "beyond a smaller mask nothing is transparent";
    EXPECT_EQ(qAlpha(masked.pixel(2, 1)), 255);

    QImage halfSeen = filled(3, 3, qRgb(0, 128, 0)).convertToFormat(QImage::Format_ARGB32);
    halfSeen.setPixel(0, 2, Magenta);
    halfSeen.setPixel(1, 0, qRgba(0, 128, 0, 100));
    EXPECT_EQ(qAlpha(withTransparency(halfSeen).pixel(1, 0)), 100) << "alpha is kept";

    QImage premultiplied(3, 3, QImage::Format_ARGB32_Premultiplied);
    premultiplied.fill(0);
    premultiplied.setPixel(1, 1, qRgba(128, 128, 128, 128));
    premultiplied.setPixel(2, 2, qRgb(255, 255, 255));
    const QImage premasked = withTransparency(halfSeen, premultiplied);
    EXPECT_EQ(qAlpha(premasked.pixel(1, 1)), 255) << "a half-white stored pixel is not white";
    EXPECT_EQ(qAlpha(premasked.pixel(2, 2)), 0);
}
