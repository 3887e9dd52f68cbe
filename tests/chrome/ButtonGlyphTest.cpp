#include "ButtonGlyph.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {

QImage glyphStrip(int cells) {
    QImage strip(16 * cells, 16, QImage::Format_RGB32);
    strip.fill(qRgb(0, 128, 128));
    strip.setPixel(0, 15, qRgb(255, 0, 255));
    for (int i = 0; i < cells; ++i)
        strip.setPixel(16 * i + 15, 15, qRgb(255, 0, 255));
    return strip;
}

} // namespace

TEST(ButtonGlyph, StateImagesAreMadeOnceAndShared) {
    const QImage strip = glyphStrip(1);
    TButtonGlyph first;
    TButtonGlyph second;
    first.setGlyph(strip);
    second.setGlyph(strip);
    const QImage a = first.stateImage(TButtonState::bsDisabled);
    const QImage b = second.stateImage(TButtonState::bsDisabled);
    EXPECT_EQ(a.cacheKey(), b.cacheKey()) << "one image for both buttons";
    EXPECT_EQ(a.size(), QSize(17, 17));
    EXPECT_EQ(first.stateImage(TButtonState::bsUp).size(), QSize(16, 16));
}

TEST(ButtonGlyph, EveryCellUsesTheStripsTransparentColour) {
    TButtonGlyph glyph;
    QImage strip = glyphStrip(2);
    // The second cell's own bottom-left pixel is not the key; the strip's is.
    strip.setPixel(16, 15, qRgb(1, 1, 1));
    strip.setPixel(20, 4, qRgb(255, 0, 255));
    glyph.setGlyph(strip);
    ASSERT_EQ(glyph.NumGlyphs(), 2);
    const QImage down = glyph.stateImage(TButtonState::bsDown);
    EXPECT_EQ(qAlpha(down.pixel(20 - 16, 4)), 255) << "cell 2 is the pressed image only when it exists";
    const QImage up = glyph.stateImage(TButtonState::bsUp);
    EXPECT_EQ(qAlpha(up.pixel(0, 15)), 0);
    EXPECT_EQ(qAlpha(up.pixel(3, 3)), 255);
    const QImage disabled = glyph.stateImage(TButtonState::bsDisabled);
    EXPECT_EQ(qAlpha(disabled.pixel(4, 4)), 0) << "magenta in the disabled cell is transparent";
    EXPECT_EQ(qAlpha(disabled.pixel(0, 15)), 255) << "its own bottom-left pixel is not the key";
}

TEST(ButtonGlyph, EmptyGlyphDrawsNothing) {
    TButtonGlyph glyph;
    EXPECT_TRUE(glyph.isEmpty());
    EXPECT_TRUE(glyph.stateImage(TButtonState::bsUp).isNull());
    glyph.setGlyph(QImage(0, 16, QImage::Format_RGB32));
    EXPECT_TRUE(glyph.stateImage(TButtonState::bsDisabled).isNull());
}

TEST(ButtonGlyph, SharedImagesAreBoundedByTheGlyphsAlive) {
    TButtonGlyph keeper; // keeps the pool itself alive between the rounds
    std::size_t afterFirstRound = 0;
    for (int round = 0; round < 20; ++round) {
        TButtonGlyph glyph;
        for (int shade = 0; shade < 5; ++shade) {
            // A new picture each time, as a button whose glyph is reassigned gets.
            QImage strip = glyphStrip(1);
            strip.setPixel(3, 3, qRgb(round, shade, 0));
            glyph.setGlyph(strip);
            glyph.stateImage(TButtonState::bsUp);
            glyph.stateImage(TButtonState::bsDisabled);
        }
        if (round == 0)
            afterFirstRound = TButtonGlyph::sharedImageCount();
    }
    EXPECT_LE(afterFirstRound, 2u) << "the images of replaced pictures are dropped";
    EXPECT_LE(TButtonGlyph::sharedImageCount(), 2u) << "and those of destroyed glyphs";
}
