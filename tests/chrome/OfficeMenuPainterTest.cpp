#include "GlyphStrip.h"
#include "OfficeMenuPainter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

using namespace OfficeMenuPainter;

namespace {

const QRgb Magenta = qRgb(255, 0, 255);
const QRgb Untouched = qRgb(255, 0, 0);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);

const TMenuColors Colors{QColor(200, 200, 200), QColor(250, 250, 250), QColor(100, 100, 100),
                        QColor(0, 0, 128),     QColor(255, 255, 240), QColor(220, 220, 210),
                        QColor(0, 0, 0)};

// A 17-cell strip of 21 x 21 cells: cell 1 has a yellow square, cell 3 a black pixel at
// (10, 10) and a red one at (5, 5), cell 12 a blue square in its top-left.
QImage menuStrip() {
    QImage strip(357, 21, QImage::Format_RGB32);
    strip.fill(Magenta);
    QPainter painter(&strip);
    painter.fillRect(21 + 5, 5, 11, 11, Yellow);
    strip.setPixel(63 + 10, 10, qRgb(0, 0, 0));
    strip.setPixel(63 + 5, 5, qRgb(255, 0, 0));
    painter.fillRect(12 * 21 + 3, 3, 4, 4, Blue);
    return strip;
}

class OfficeMenuItems : public ::testing::Test {
protected:
    void SetUp() override {
        m_strip.setPicture(menuStrip());
        m_strip.setCols(17);
    }

    QImage render(const TItemView& item, int state, int width = 160) {
        QImage image(width, ItemHeight, QImage::Format_RGB32);
        image.fill(Untouched);
        QPainter painter(&image);
        painter.setFont(QApplication::font());
        drawItem(painter, item, QRect(0, 0, width, ItemHeight), state, &m_strip, Colors);
        return image;
    }

    static int firstColumnWith(const QImage& image, int fromX, QRgb background) {
        for (int x = fromX; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) != background)
                    return x;
        return -1;
    }

    static bool anyPixel(const QImage& image, QRect area, QRgb colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == colour)
                    return true;
        return false;
    }

    TGlyphStrip m_strip;
};

} // namespace

TEST_F(OfficeMenuItems, UnselectedItemWithoutGlyphIsButtonFaceWithCaptionAtTwentyThree) {
    const QImage image = render({"E&xit", {}, 0, false, false}, 0);
    const QRgb face = Colors.btnFace.rgb();
    for (int y = 0; y < ItemHeight; ++y)
        for (int x = 0; x < 23; ++x)
            ASSERT_EQ(image.pixel(x, y), face) << x << "," << y;
    const int ink = firstColumnWith(image, 0, face);
    EXPECT_GE(ink, 23);
    EXPECT_LE(ink, 25);
    EXPECT_TRUE(anyPixel(image, QRect(23, 0, 40, ItemHeight), Colors.menuText.rgb()));
    EXPECT_EQ(image.pixel(159, 20), face);
}

TEST_F(OfficeMenuItems, SelectedItemWithGlyphHasRaisedFrameOnUnfilledBox) {
    const QImage image = render({"&Open...", {}, 2, false, false}, odsSelected);
    const QRgb light = Colors.btnHighlight.rgb();
    const QRgb shadow = Colors.btnShadow.rgb();
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(0, 1), light);
    EXPECT_EQ(image.pixel(0, 19), light);
    EXPECT_EQ(image.pixel(19, 0), light);
    EXPECT_EQ(image.pixel(0, 20), shadow);
    EXPECT_EQ(image.pixel(19, 20), shadow);
    EXPECT_EQ(image.pixel(20, 20), shadow);
    EXPECT_EQ(image.pixel(20, 1), shadow);
    EXPECT_EQ(image.pixel(20, 0), Untouched);
    EXPECT_EQ(image.pixel(3, 3), Untouched) << "the box's inside is left unpainted";
    EXPECT_EQ(image.pixel(10, 10), Yellow);
    EXPECT_EQ(image.pixel(22, 0), Colors.highlight.rgb());
    EXPECT_EQ(image.pixel(159, 20), Colors.highlight.rgb());
    EXPECT_TRUE(anyPixel(image, QRect(23, 0, 40, ItemHeight), Colors.highlightText.rgb()));
    EXPECT_FALSE(anyPixel(image, QRect(23, 0, 40, ItemHeight), Colors.menuText.rgb()));
}

TEST_F(OfficeMenuItems, SelectedItemOfAStripWithoutPictureStillHasTheRaisedFrame) {
    m_strip.setPicture(QImage());
    const QImage image = render({"&Open...", {}, 2, false, false}, odsSelected);
    EXPECT_EQ(image.pixel(0, 0), Colors.btnHighlight.rgb());
    EXPECT_EQ(image.pixel(20, 20), Colors.btnShadow.rgb());
    EXPECT_EQ(image.pixel(3, 3), Untouched) << "the box's inside is left unpainted";
    EXPECT_EQ(image.pixel(10, 10), Untouched) << "no picture, nothing drawn in the box";
}

TEST_F(OfficeMenuItems, CheckedItemHasDitheredSunkenBoxAndCheckMark) {
    const QImage image = render({"&Toolbar", {}, 0, false, false}, odsChecked);
    const QRgb light = Colors.btnHighlight.rgb();
    const QRgb face = Colors.btnFace.rgb();
    const QRgb shadow = Colors.btnShadow.rgb();
    EXPECT_EQ(image.pixel(2, 2), light);
    EXPECT_EQ(image.pixel(3, 2), face);
    EXPECT_EQ(image.pixel(3, 3), light);
    EXPECT_EQ(image.pixel(0, 5), shadow);
    EXPECT_EQ(image.pixel(5, 0), shadow);
    EXPECT_EQ(image.pixel(5, 20), light);
    EXPECT_EQ(image.pixel(20, 5), light);
    // The mark's top-left is at (6, 7).
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QRgb pixel = image.pixel(6 + column, 7 + row);
            const char mark = CheckMarkRows[row][column];
            if (mark == '#')
                EXPECT_EQ(pixel, qRgb(0, 0, 0)) << column << "," << row;
            else if (mark == 'W')
                EXPECT_EQ(pixel, qRgb(255, 255, 255)) << column << "," << row;
            else
                EXPECT_TRUE(pixel == light || pixel == face) << column << "," << row;
        }
    }
    // The caption's own background is the menu colour.
    EXPECT_TRUE(anyPixel(image, QRect(23, 0, 40, ItemHeight), Colors.menu.rgb()));

    const QImage selected = render({"&Toolbar", {}, 0, false, false}, odsChecked | odsSelected);
    EXPECT_EQ(selected.pixel(2, 2), Colors.menu.rgb());
    EXPECT_EQ(selected.pixel(3, 2), Colors.menu.rgb());
    EXPECT_EQ(selected.pixel(6 + 7, 7 + 2), qRgb(0, 0, 0));
    EXPECT_EQ(selected.pixel(30, 1), Colors.highlight.rgb());
}

TEST_F(OfficeMenuItems, CheckedRadioItemShowsItsGlyphAndNoMark) {
    const QImage image = render({"&Detials", {}, 13, true, false}, odsChecked);
    EXPECT_EQ(image.pixel(4, 4), Blue);
    EXPECT_EQ(image.pixel(0, 5), Colors.btnShadow.rgb());
    EXPECT_EQ(image.pixel(6 + 7, 7 + 2), Colors.btnHighlight.rgb()) << "dither, not the mark";
    EXPECT_EQ(image.pixel(6 + 0, 7 + 4), Colors.btnFace.rgb()) << "dither, not the white of the mark";
}

TEST_F(OfficeMenuItems, DisabledItemIsEmbossedEvenWhenSelected) {
    for (const int state : {int(odsDisabled), odsDisabled | odsSelected}) {
        const QImage image = render({"&Add", {}, 4, false, false}, state);
        EXPECT_EQ(image.pixel(10, 10), Colors.btnHighlight.rgb());
        EXPECT_EQ(image.pixel(9, 9), Colors.btnShadow.rgb());
        EXPECT_EQ(image.pixel(5, 5), Colors.btnFace.rgb()) << "only black pixels are drawn";
        EXPECT_EQ(image.pixel(40, 0), Colors.btnFace.rgb()) << "no highlight for a disabled item";
        const QRect caption(23, 0, 40, ItemHeight);
        EXPECT_TRUE(anyPixel(image, caption, Colors.btnShadow.rgb()));
        EXPECT_TRUE(anyPixel(image, caption, Colors.btnHighlight.rgb()));
        EXPECT_FALSE(anyPixel(image, caption, Colors.menuText.rgb()));
    }
}

TEST_F(OfficeMenuItems, SeparatorIsTwoLinesInTheMiddle) {
    const QImage image = render({"-", {}, 0, false, false}, 0, 100);
    EXPECT_EQ(image.height(), 21);
    for (int x = 1; x <= 98; ++x) {
        EXPECT_EQ(image.pixel(x, 10), Colors.btnShadow.rgb()) << x;
        EXPECT_EQ(image.pixel(x, 11), Colors.btnHighlight.rgb()) << x;
    }
    EXPECT_EQ(image.pixel(0, 10), Untouched);
    EXPECT_EQ(image.pixel(99, 10), Untouched);
    for (int y : {0, 9, 12, 20})
        EXPECT_EQ(image.pixel(50, y), Untouched) << y;
}

TEST_F(OfficeMenuItems, WidthIsCaptionPlusFortyTwoPlusAGapAndTheShortcut) {
    const QFontMetrics metrics(QApplication::font());
    EXPECT_EQ(itemWidth(metrics, {"&Open...", {}, 2, false, false}), metrics.horizontalAdvance("Open...") + 42);
    EXPECT_EQ(itemWidth(metrics, {"&Open...", "Ctrl+O", 2, false, false}),
              metrics.horizontalAdvance("Open...") + 42 + 20 + metrics.horizontalAdvance("Ctrl+O"));
    EXPECT_EQ(displayedCaption("Save &As..."), "Save As...");
    EXPECT_EQ(displayedCaption("Fish && Chips&"), "Fish & Chips");
}

TEST_F(OfficeMenuItems, ShortcutIsRightAlignedTwentyPixelsFromTheEdge) {
    const QImage image = render({"&Open...", "Ctrl+O", 0, false, false}, 0, 200);
    const QRgb face = Colors.btnFace.rgb();
    int lastInk = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != face && image.pixel(x, y) != Colors.menu.rgb())
                lastInk = x;
    EXPECT_LE(lastInk, 200 - 20 - 1);
    EXPECT_GE(lastInk, 200 - 20 - 4);
}
