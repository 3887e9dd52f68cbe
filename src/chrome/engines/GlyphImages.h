#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Image work on button glyphs, done on QImage so that it needs no display: cutting a strip
// into state cells, finding the transparent pixels and making the disabled images.
namespace GlyphImages {

// The number of cells a glyph strip holds: width div height when the width is a whole
// multiple of a non-zero height and there are at most five cells, else one.
int numGlyphsForStrip(QSize stripSize);

// The cell of a strip of `numGlyphs` equal cells side by side; cell 0 when the index is out of range.
QImage cell(const QImage& strip, int numGlyphs, int index);

// The colour that stands for "transparent" in a glyph: its bottom-left pixel.
QColor transparentColor(const QImage& image);

// A glyph with its transparent pixels made fully transparent. The transparent pixels are those
// of the bottom-left pixel's colour, or, when a mask is given, the mask's white pixels.
QImage withTransparency(const QImage& glyph, const QImage& mask = QImage());

// A mask (white = transparent) of the pixels of one colour; every cell of a strip takes the
// strip's own transparent colour this way.
QImage colourKeyMask(const QImage& image, const QColor& key);

struct TEmbossColors {
    QColor highlight;
    QColor shadow;
};

// The generated disabled image, one pixel wider and higher than the glyph: the glyph's shape
// in the highlight colour at (1, 1) and again in the shadow colour at (0, 0), on a transparent
// ground. The shape is every opaque pixel that is neither white nor light grey; with the older
// rule it is every opaque pixel darker than mid-grey.
QImage generatedDisabledImage(const QImage& glyph, TEmbossColors colors, bool oldDisabledStyle,
                              const QImage& mask = QImage());

// A disabled cell supplied in the strip: white becomes the highlight colour and mid-grey the
// shadow colour; one transparent column and row are added so that it matches the generated size.
QImage suppliedDisabledImage(const QImage& disabledCell, TEmbossColors colors, const QImage& mask = QImage());

} // namespace GlyphImages
