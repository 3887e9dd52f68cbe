#pragma once

#include "ButtonTypes.h"

#include <QImage>
#include <QPointer>
#include <QSize>

#include <array>
#include <cstddef>

#include "ImageList.h"

// The picture of a toolbar button: a strip of `NumGlyphs` cells (or an image-list entry) and
// the image drawn for each draw state. State images are made on first use and shared, through
// a process-wide pool, by every button showing the same picture in the same system colours.
// The pool holds only images that some glyph still shows: a glyph lets go of its images when
// its picture changes or it is destroyed.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QImage& Glyph() const { return m_glyph; }
    // Also sets NumGlyphs from the strip's shape.
    void setGlyph(const QImage& glyph);

    const QImage& GlyphMask() const { return m_mask; }
    void setGlyphMask(const QImage& mask);

    TImageList* Images() const { return m_images; }
    void setImages(TImageList* images);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);

    int NumGlyphs() const;
    void setNumGlyphs(int count);

    bool OldDisabledStyle() const { return m_oldDisabledStyle; }
    void setOldDisabledStyle(bool old);

    // The size the layout reserves: the image list's size, or one cell of the strip.
    QSize size() const;
    bool isEmpty() const;

    // The image for a state, with transparency; null when there is nothing to draw.
    QImage stateImage(TButtonState state) const;
    // Whether the strip has a cell of its own for the hot state.
    bool hasHotCell() const;

    // Drops every prepared image (after a system-colour change).
    static void clearSharedImages();
    // How many prepared images the process holds.
    static std::size_t sharedImageCount();

private:
    QImage makeStateImage(TButtonState state) const;
    QString cacheKey(TButtonState state) const;
    void releaseImages();

    QImage m_glyph;
    QImage m_mask;
    QPointer<TImageList> m_images;
    int m_imageIndex = -1;
    int m_numGlyphs = 1;
    bool m_oldDisabledStyle = false;
    // The images this glyph shows, one per draw state, with the pool keys they were made for.
    mutable std::array<QImage, MaxNumGlyphs> m_stateImages;
    mutable std::array<QString, MaxNumGlyphs> m_stateKeys;
};
