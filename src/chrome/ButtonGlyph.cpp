#include "ButtonGlyph.h"

#include "GlyphImages.h"
#include "ImageList.h"
#include "ReadableColors.h"
#include "SystemColors.h"

#include <QHash>

#include <algorithm>

namespace {

struct SharedImages {
    int glyphCount = 0;
    QHash<QString, QImage> images;
};

SharedImages& shared() {
    static SharedImages pool;
    return pool;
}

// An image only the pool refers to is shown by no glyph any more.
void dropUnusedImages() {
    QHash<QString, QImage>& images = shared().images;
    for (auto it = images.begin(); it != images.end();)
        it = it->isDetached() ? images.erase(it) : std::next(it);
}

GlyphImages::TEmbossColors embossColors() {
    return {SystemColors::btnHighlight(), SystemColors::btnShadow()};
}

// The pictures are drawn for light faces, with black outlines: on a dark palette their dark
// pixels are lightened until they show on the face. The disabled look keeps its embossing in
// the palette's own colours.
QImage readableOnFace(const QImage& image) {
    if (image.isNull() || !ReadableColors::isDarkPalette(SystemColors::palette()))
        return image;
    return ReadableColors::readableImageOn(image, SystemColors::btnFace(),
                                           ReadableColors::GraphicsContrast);
}

} // namespace

TButtonGlyph::TButtonGlyph() {
    ++shared().glyphCount;
}

TButtonGlyph::~TButtonGlyph() {
    releaseImages();
    // The pool goes with the last glyph.
    if (--shared().glyphCount == 0)
        shared().images.clear();
}

void TButtonGlyph::releaseImages() {
    m_stateImages.fill(QImage());
    m_stateKeys.fill(QString());
    dropUnusedImages();
}

void TButtonGlyph::setGlyph(const QImage& glyph) {
    releaseImages();
    m_glyph = glyph.isNull() ? QImage() : glyph.convertToFormat(QImage::Format_RGB32);
    m_numGlyphs = GlyphImages::numGlyphsForStrip(m_glyph.size());
}

void TButtonGlyph::setGlyphMask(const QImage& mask) {
    releaseImages();
    m_mask = mask.isNull() ? QImage() : mask.convertToFormat(QImage::Format_RGB32);
}

void TButtonGlyph::setImages(TImageList* images) {
    releaseImages();
    m_images = images;
}

void TButtonGlyph::setImageIndex(int index) {
    releaseImages();
    m_imageIndex = index;
}

int TButtonGlyph::NumGlyphs() const {
    return m_images ? 1 : m_numGlyphs;
}

void TButtonGlyph::setNumGlyphs(int count) {
    releaseImages();
    m_numGlyphs = std::clamp(count, 1, MaxNumGlyphs);
}

void TButtonGlyph::setOldDisabledStyle(bool old) {
    releaseImages();
    m_oldDisabledStyle = old;
}

QSize TButtonGlyph::size() const {
    if (m_images)
        return QSize(m_images->Width(), m_images->Height());
    if (m_glyph.isNull())
        return QSize(0, 0);
    return QSize(m_glyph.width() / NumGlyphs(), m_glyph.height());
}

bool TButtonGlyph::isEmpty() const {
    return size().isEmpty();
}

bool TButtonGlyph::hasHotCell() const {
    return NumGlyphs() > int(TButtonState::bsHot);
}

void TButtonGlyph::clearSharedImages() {
    shared().images.clear();
}

std::size_t TButtonGlyph::sharedImageCount() {
    return static_cast<std::size_t>(shared().images.size());
}

QString TButtonGlyph::cacheKey(TButtonState state) const {
    const QString source = m_images ? QStringLiteral("list%1:%2").arg(quintptr(m_images.data())).arg(m_imageIndex)
                                    : QStringLiteral("glyph%1:%2").arg(m_glyph.cacheKey()).arg(m_mask.cacheKey());
    return QStringLiteral("%1/%2/%3/%4/%5/%6/%7/%8")
        .arg(source)
        .arg(NumGlyphs())
        .arg(m_oldDisabledStyle)
        .arg(int(state))
        .arg(SystemColors::btnHighlight().rgb())
        .arg(SystemColors::btnShadow().rgb())
        .arg(SystemColors::btnFace().rgb())
        .arg(ReadableColors::isDarkPalette(SystemColors::palette()));
}

QImage TButtonGlyph::stateImage(TButtonState state) const {
    if (isEmpty())
        return QImage();
    const QString key = cacheKey(state);
    const auto index = static_cast<std::size_t>(state);
    if (m_stateKeys[index] == key)
        return m_stateImages[index];
    QImage image = shared().images.value(key);
    if (image.isNull()) {
        image = makeStateImage(state);
        if (!image.isNull())
            shared().images.insert(key, image);
    }
    // The image made for other system colours, if any, is let go.
    m_stateImages[index] = image;
    m_stateKeys[index] = key;
    dropUnusedImages();
    return image;
}

QImage TButtonGlyph::makeStateImage(TButtonState state) const {
    const int index = int(state);
    if (m_images) {
        const QImage image = m_images->Image(m_imageIndex);
        if (state != TButtonState::bsDisabled)
            return readableOnFace(image);
        if (image.isNull())
            return image;
        return GlyphImages::generatedDisabledImage(image, embossColors(), m_oldDisabledStyle);
    }
    const int cells = NumGlyphs();
    // The strip's bottom-left colour is transparent in every cell, unless a mask says otherwise.
    const QImage stripMask =
        m_mask.isNull() ? GlyphImages::colourKeyMask(m_glyph, GlyphImages::transparentColor(m_glyph)) : m_mask;
    const QImage mask = GlyphImages::cell(stripMask, cells, index);
    if (state == TButtonState::bsDisabled) {
        if (cells < 2)
            return GlyphImages::generatedDisabledImage(GlyphImages::cell(m_glyph, cells, 0), embossColors(),
                                                       m_oldDisabledStyle, GlyphImages::cell(stripMask, cells, 0));
        return GlyphImages::suppliedDisabledImage(GlyphImages::cell(m_glyph, cells, index), embossColors(), mask);
    }
    return readableOnFace(
        GlyphImages::withTransparency(GlyphImages::cell(m_glyph, cells, index), mask));
}
