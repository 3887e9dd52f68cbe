#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

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
