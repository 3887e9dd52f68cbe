#pragma once

#include <QImage>
#include <QPoint>

#include <initializer_list>

// Small pictures written as rows of characters, one character a pixel, so that the art can be
// read and changed in a text editor. '.' is the transparent magenta; the other characters
// name the colours of the classic sixteen-colour palette.
namespace PixelArt {

inline constexpr QRgb Transparent = qRgb(255, 0, 255);

QRgb colourOf(char pixel);

// A picture of the given rows; every row must be as long as the first.
QImage fromRows(std::initializer_list<const char*> rows);

// An empty picture of the given size in the transparent colour.
QImage blank(int width, int height);

// Copies the non-transparent pixels of `art` onto `target` with its top-left at `at`.
void stamp(QImage& target, const QImage& art, QPoint at);

// `art` centred in a transparent picture of the given size.
QImage centred(const QImage& art, int width, int height);

// The classic greyed look of a picture: its dark pixels (outlines and deep colours) in white
// one pixel down and right, then in mid-grey in place.
QImage greyed(const QImage& art);

// The picture and its greyed look side by side, for buttons that show the second when disabled.
QImage withGreyedImage(const QImage& art);

} // namespace PixelArt
