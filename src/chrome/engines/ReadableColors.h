#pragma once

#include <QColor>
#include <QImage>

class QPalette;

// Colours that stay readable on a dark desktop palette. The chrome's own colours (black
// outlines in the pictures, the blue link, the button-shadow dots of the folder tree) were
// chosen for light faces; where light text sits on dark faces they are lightened just as far as
// they need to stand out, and left as they are everywhere else.
namespace ReadableColors {

// The least contrast that lines and pictures keep against their ground, and that text keeps,
// as the web's accessibility guidelines measure contrast.
constexpr double GraphicsContrast = 3.0;
constexpr double TextContrast = 4.5;

// From 1 (the same luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Light text on a dark ground.
bool lightOnDark(const QColor& text, const QColor& ground);
// Light window text on dark faces.
bool isDarkPalette(const QPalette& palette);

// The colour as it is when it stands out from `ground` by `minimum`; else mixed with white (on
// a dark ground) or black (on a light one) just far enough that it does.
QColor readableOn(const QColor& colour, const QColor& ground, double minimum);

// Every pixel of the picture that is not fully transparent made readable on `ground`.
QImage readableImageOn(const QImage& image, const QColor& ground, double minimum);

} // namespace ReadableColors
