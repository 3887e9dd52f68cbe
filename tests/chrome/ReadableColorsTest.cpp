#include "ReadableColors.h"

#include <QPalette>
#include <gtest/gtest.h>

using namespace ReadableColors;

TEST(ReadableColors, ContrastAndLighteningOnlyAsFarAsNeeded) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(53, 53, 53), QColor(53, 53, 53)), 1.0, 1e-9);
    const QColor darkGrey(53, 53, 53);
    const struct {
        QColor colour;
        QColor ground;
        double minimum;
    } cases[] = {
        {Qt::black, darkGrey, GraphicsContrast},
        {QColor(0, 0, 255), darkGrey, TextContrast},
        {QColor(160, 160, 160), Qt::white, GraphicsContrast},
        {QColor(25, 25, 25), QColor(35, 35, 35), GraphicsContrast},
    };
    for (const auto& c : cases) {
        const QColor readable = readableOn(c.colour, c.ground, c.minimum);
        EXPECT_GE(contrastRatio(readable, c.ground), c.minimum) << c.colour.name().toStdString();
        EXPECT_LT(contrastRatio(readable, c.ground), c.minimum + 0.5) << "no further than needed";
    }
    EXPECT_EQ(readableOn(Qt::white, darkGrey, TextContrast), QColor(Qt::white))
        << "already readable";

    QPalette dark;
    dark.setColor(QPalette::Window, darkGrey);
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    EXPECT_TRUE(isDarkPalette(dark));
    EXPECT_FALSE(isDarkPalette(QPalette(Qt::lightGray)));
}
