#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <algorithm>
#include <cmath>

// A dark desktop palette, as dark themes set it: light text on dark faces.
inline QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(235, 235, 235));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, QColor(235, 235, 235));
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    p.setColor(QPalette::Light, QColor(90, 90, 90));
    p.setColor(QPalette::Midlight, QColor(70, 70, 70));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    // A link colour readable on the dark faces, and a visited one that is not.
    p.setColor(QPalette::Link, QColor(61, 174, 233));
    p.setColor(QPalette::LinkVisited, QColor(155, 89, 182));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    return p;
}

// Switches the application to the dark palette for one scope, as a desktop changing its theme
// does, and back at the end.
class TDarkPaletteScope {
public:
    TDarkPaletteScope() : m_saved(QApplication::palette()) { QApplication::setPalette(DarkPalette()); }
    ~TDarkPaletteScope() { QApplication::setPalette(m_saved); }
    TDarkPaletteScope(const TDarkPaletteScope&) = delete;
    TDarkPaletteScope& operator=(const TDarkPaletteScope&) = delete;

private:
    QPalette m_saved;
};

// How many pixels of the area are at least this light (0 to 255) — text drawn in a light
// colour on a dark face.
inline int LightPixels(const QImage& image, const QRect& area, int lightness = 170) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y).lightness() >= lightness)
                ++count;
    return count;
}

// Contrast between two colours as the web's accessibility guidelines measure it: from 1 (the
// same luminance) to 21 (black on white). Lines and pictures want 3, text 4.5.
inline double ContrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How the drawn pixels of an area are judged against its ground: lines and pictures by their
// weakest pixel, since every one of them must show; antialiased text by its strongest, the
// ink its edges fade from.
enum class TInk { EveryPixel, Strongest };

// The contrast of the area's drawn pixels (those not of the ground's colour) against the
// ground; 0 when nothing is drawn there.
inline double InkContrast(const QImage& image, const QRect& area, const QColor& ground, TInk ink) {
    double weakest = 0;
    double strongest = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.rgb() == ground.rgb())
                continue;
            const double contrast = ContrastRatio(pixel, ground);
            weakest = weakest == 0 ? contrast : std::min(weakest, contrast);
            strongest = std::max(strongest, contrast);
        }
    return ink == TInk::EveryPixel ? weakest : strongest;
}
