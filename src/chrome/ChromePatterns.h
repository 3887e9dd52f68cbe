#pragma once

#include <QColor>
#include <QImage>

// The 8 x 8 checkerboard of button face and button highlight that latched buttons and checked
// menu items are filled with. Made on first use and kept together with the two colours it was
// made from, so that a colour change makes a new one. An image rather than a pixmap, so that
// the kept copy may outlive the application object.
namespace ChromePatterns {

// Every pixel is `face` except those whose column and row have the same parity, which are `light`.
QImage ditherPattern(const QColor& face, const QColor& light);

// The pattern in the current system colours.
QImage systemDitherPattern();

} // namespace ChromePatterns
