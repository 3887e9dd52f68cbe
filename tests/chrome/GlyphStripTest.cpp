#include "GlyphStrip.h"

#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QRgb Magenta = qRgb(255, 0, 255);
const QRgb Canvas = qRgb(10, 200, 10);

// Four 4 x 3 cells in two rows; each cell is magenta with its own colour at (1, 1).
QImage twoByTwoStrip() {
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Magenta);
    picture.setPixel(1, 1, qRgb(1, 0, 0));
    picture.setPixel(5, 1, qRgb(2, 0, 0));
    picture.setPixel(1, 4, qRgb(3, 0, 0));
    picture.setPixel(5, 4, qRgb(4, 0, 0));
    return picture;
}

QImage canvas(int w = 20, int h = 20) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Canvas);
    return image;
}

} // namespace

TEST(GlyphStrip, CellSizeAndCounts) {
    TGlyphStrip strip;
    EXPECT_EQ(strip.MaskColor(), QColor(128, 128, 0)) << "olive without a picture";
    EXPECT_EQ(strip.CellCount(), 0);
    QSignalSpy changed(&strip, &TGlyphStrip::OnChange);
    strip.setPicture(twoByTwoStrip());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(strip.MaskColor(), QColor(Magenta));
    strip.setWidth(4);
    strip.setHeight(3);
    EXPECT_EQ(strip.Cols(), 2);
    EXPECT_EQ(strip.Rows(), 2);
    EXPECT_EQ(strip.Width(), 4);
    EXPECT_EQ(strip.CellCount(), 4);
    strip.setWidth(9);
    EXPECT_EQ(strip.Cols(), 2) << "a cell wider than the picture is refused";
    strip.setCols(0);
    EXPECT_EQ(strip.Cols(), 1);
}

TEST(GlyphStrip, CellsAreNumberedRowByRow) {
    TGlyphStrip strip;
    strip.setPicture(twoByTwoStrip());
    strip.setCols(2);
    strip.setRows(2);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(strip.GetGlyph(i).pixel(1, 1), qRgb(i + 1, 0, 0)) << i;
    EXPECT_TRUE(strip.GetGlyph(4).isNull());
    EXPECT_TRUE(strip.GetGlyph(-1).isNull());
}

TEST(GlyphStrip, DrawLeavesOutTheCellsBottomLeftColour) {
    TGlyphStrip strip;
    strip.setPicture(twoByTwoStrip());
    strip.setCols(2);
    strip.setRows(2);
    QImage target = canvas();
    {
        QPainter painter(&target);
        strip.Draw(painter, 5, 5, 3);
    }
    EXPECT_EQ(target.pixel(6, 6), qRgb(4, 0, 0));
    EXPECT_EQ(target.pixel(5, 5), Canvas);

    strip.setMasked(false);
    target = canvas();
    {
        QPainter painter(&target);
        strip.Draw(painter, 5, 5, 3);
    }
    EXPECT_EQ(target.pixel(5, 5), Magenta);

    strip.setMasked(true);
    strip.setMaskColor(QColor());
    target = canvas();
    {
        QPainter painter(&target);
        strip.Draw(painter, 5, 5, 3);
    }
    EXPECT_EQ(target.pixel(5, 5), Magenta) << "no mask colour switches transparency off";
}

TEST(GlyphStrip, WholePictureAndCentredDrawing) {
    TGlyphStrip strip;
    strip.setPicture(twoByTwoStrip());
    strip.setCols(2);
    strip.setRows(2);
    QImage target = canvas();
    {
        QPainter painter(&target);
        strip.Draw(painter, 0, 0, -1);
        strip.DrawCentered(painter, QRect(10, 10, 9, 8), 0);
        strip.Draw(painter, 0, 10, 7);
    }
    EXPECT_EQ(target.pixel(5, 4), qRgb(4, 0, 0));
    // ((10 + 19 - 4) div 2, (10 + 18 - 3) div 2) = (12, 12)
    EXPECT_EQ(target.pixel(13, 13), qRgb(1, 0, 0));
    EXPECT_EQ(target.pixel(1, 11), Canvas) << "a cell outside the strip draws nothing";
}

TEST(GlyphStrip, HugeCellCountsAreSafe) {
    TGlyphStrip strip;
    strip.setPicture(twoByTwoStrip());
    strip.setCols(std::numeric_limits<int>::max());
    strip.setRows(std::numeric_limits<int>::max());
    EXPECT_EQ(strip.CellCount(), std::numeric_limits<int>::max());
    EXPECT_EQ(strip.Width(), 0);
    EXPECT_TRUE(strip.GetGlyph(5).isNull()) << "cells of no size draw nothing";
    QImage target = canvas();
    QPainter painter(&target);
    strip.Draw(painter, 0, 0, 3);
    strip.DrawCentered(painter, QRect(0, 0, 10, 10), 7);
}
