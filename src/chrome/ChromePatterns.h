#pragma once

#include <QColor>
#include <QPixmap>

// The 8 x 8 checkerboard of button face and button highlight that latched buttons and checked
// menu items are filled with. Made on first use and kept together with the two colours it was
// made from, so that a colour change makes a new one.
namespace ChromePatterns {

// Every pixel is `face` except those whose column and row have the same parity, which are `light`.
QPixmap ditherPattern(const QColor& face, const QColor& light);

// The pattern in the current system colours.
QPixmap systemDitherPattern();

} // namespace ChromePatterns
