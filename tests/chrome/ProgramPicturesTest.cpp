#include "GlyphImages.h"
#include "GlyphStrip.h"
#include "PixelArt.h"
#include "ProgramPictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const QRgb Magenta = qRgb(255, 0, 255);

QImage picture(const char* name) {
    return QImage(QStringLiteral(":/pictures/") + QLatin1String(name));
}

} // namespace

TEST(ProgramPictures, MenuGlyphStripHasNineteenFramedCells) {
    const QImage strip = picture("menu-glyphs.png");
    ASSERT_EQ(strip.size(), QSize(19 * 21, 21));
    EXPECT_FALSE(strip.hasAlphaChannel()) << "24-bit colour, transparency by the magenta key";
    TGlyphStrip glyphs;
    glyphs.setPicture(strip);
    glyphs.setCols(19);
    EXPECT_EQ(glyphs.MaskColor(), QColor(Magenta));
    for (int i = 0; i < 19; ++i) {
        const QImage cell = glyphs.GetGlyph(i);
        ASSERT_EQ(cell.size(), QSize(21, 21)) << i;
        EXPECT_EQ(cell.pixel(0, 20), Magenta) << "cell " << i << " is transparent at its bottom-left";
        bool black = false;
        for (int y = 0; y < 21; ++y) {
            for (int x = 0; x < 21; ++x) {
                const bool onFrame = x == 0 || y == 0 || x == 20 || y == 20;
                if (onFrame) {
                    EXPECT_EQ(cell.pixel(x, y), Magenta) << "the menu's raised frame stays visible around cell " << i;
                }
                black = black || (cell.pixel(x, y) & 0xFFFFFF) == 0;
            }
        }
        EXPECT_TRUE(black) << "cell " << i << " needs black pixels to be embossed when disabled";
    }
}

TEST(ProgramPictures, ToolbarPicturesHaveTheirSizesAndGreyedHalves) {
    struct Expected {
        const char* name;
        QSize size;
        bool greyed;
    };
    const Expected pictures[] = {
        {"toolbar-new.png", {17, 17}, true},      {"toolbar-open.png", {17, 17}, true},
        {"toolbar-save.png", {17, 17}, true},     {"toolbar-add.png", {21, 20}, true},
        {"toolbar-remove.png", {21, 21}, true},   {"toolbar-replace.png", {17, 17}, true},
        {"toolbar-insert.png", {21, 21}, true},   {"toolbar-savescn.png", {21, 21}, true},
        {"toolbar-options.png", {17, 17}, true},  {"toolbar-largeicons.png", {16, 15}, false},
        {"toolbar-smallicons.png", {16, 15}, false}, {"toolbar-list.png", {17, 15}, false},
        {"toolbar-details.png", {17, 15}, false}, {"toolbar-help.png", {17, 17}, true},
    };
    for (const Expected& expected : pictures) {
        const QImage image = picture(expected.name);
        ASSERT_FALSE(image.isNull()) << expected.name;
        const int cells = expected.greyed ? 2 : 1;
        EXPECT_EQ(image.size(), QSize(expected.size.width() * cells, expected.size.height())) << expected.name;
        EXPECT_EQ(image.pixel(0, image.height() - 1), Magenta) << expected.name;
        if (!expected.greyed)
            continue;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = expected.size.width(); x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y) | 0xFF000000;
                EXPECT_TRUE(pixel == Magenta || pixel == qRgb(255, 255, 255) || pixel == qRgb(128, 128, 128))
                    << expected.name << " greyed half at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(GlyphImages::numGlyphsForStrip(picture("toolbar-open.png").size()), 2);
}

TEST(ProgramPictures, IconsAndDialogPictures) {
    EXPECT_EQ(picture("window-icon.png").size(), QSize(32, 32));
    EXPECT_EQ(picture("about-emblem.png").size(), QSize(20, 31));
    EXPECT_EQ(picture("about-envelope.png").size(), QSize(23, 15));
    EXPECT_EQ(picture("options-campaign.png").size(), QSize(32, 32));
    EXPECT_EQ(picture("options-general.png").size(), QSize(32, 32));
}

TEST(ProgramPictures, EveryCataloguedPictureIsInTheResourcesAsDrawn) {
    for (int i = 0; i < static_cast<int>(TPicture::Count); ++i) {
        const auto id = static_cast<TPicture>(i);
        const QImage image = ProgramPictures::load(id);
        ASSERT_FALSE(image.isNull()) << ProgramPictures::fileName(id).toStdString();
        const QSize one = ProgramPictures::imageSize(id);
        EXPECT_EQ(image.size(), QSize(one.width() * ProgramPictures::imageCount(id), one.height()))
            << ProgramPictures::fileName(id).toStdString();
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
                  ProgramPictures::draw(id).convertToFormat(QImage::Format_RGB32))
            << ProgramPictures::fileName(id).toStdString();
    }
    EXPECT_EQ(ProgramPictures::load(TPicture::MenuGlyphs).width(), MenuGlyphCount * MenuGlyphCell)
        << "one cell per menu glyph";
    EXPECT_EQ(MenuGlyphTag(TMenuGlyph::BlankPage), 1);
    EXPECT_EQ(MenuGlyphTag(TMenuGlyph::GlobeWithLink), 17);
    EXPECT_EQ(MenuGlyphTag(TMenuGlyph::None), 0);
}

TEST(PixelArt, RowsMustBeEvenAndColoursKnown) {
    EXPECT_THROW(PixelArt::fromRows({"..#", "#."}), std::invalid_argument);
    EXPECT_THROW(PixelArt::fromRows({"..x"}), std::invalid_argument);
    const QImage art = PixelArt::fromRows({"#W", ".."});
    const QImage pair = PixelArt::withGreyedImage(art);
    ASSERT_EQ(pair.size(), QSize(4, 2));
    EXPECT_EQ(pair.pixel(2, 0), qRgb(128, 128, 128));
    EXPECT_EQ(pair.pixel(3, 1), qRgb(255, 255, 255));
    EXPECT_EQ(pair.pixel(3, 0), Magenta) << "white is not part of the shape";
}
