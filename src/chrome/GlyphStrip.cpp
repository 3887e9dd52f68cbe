#include "GlyphStrip.h"

#include "GlyphImages.h"

#include <QPainter>

#include <algorithm>
#include <limits>

TGlyphStrip::TGlyphStrip(QObject* parent) : QObject(parent) {
    m_maskColor = defaultMaskColor();
}

void TGlyphStrip::setCols(int cols) {
    m_cols = std::max(cols, 1);
}

void TGlyphStrip::setRows(int rows) {
    m_rows = std::max(rows, 1);
}

int TGlyphStrip::Width() const {
    return m_picture.width() / m_cols;
}

void TGlyphStrip::setWidth(int width) {
    if (width > 0 && m_picture.width() / width >= 1)
        m_cols = m_picture.width() / width;
}

int TGlyphStrip::Height() const {
    return m_picture.height() / m_rows;
}

void TGlyphStrip::setHeight(int height) {
    if (height > 0 && m_picture.height() / height >= 1)
        m_rows = m_picture.height() / height;
}

void TGlyphStrip::setMasked(bool masked) {
    m_masked = masked;
}

void TGlyphStrip::setMaskColor(const QColor& color) {
    m_maskColor = color;
}

void TGlyphStrip::setPicture(const QImage& picture) {
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_work = QImage();
    m_maskColor = defaultMaskColor();
    emit OnChange(this);
}

int TGlyphStrip::CellCount() const {
    if (m_picture.isNull())
        return 0;
    // Cols and Rows may each be as large as an int; their product is kept in range.
    return int(std::min<qint64>(qint64(m_cols) * m_rows, std::numeric_limits<int>::max()));
}

QColor TGlyphStrip::defaultMaskColor() const {
    if (m_picture.isNull())
        return QColor(128, 128, 0);
    return GlyphImages::transparentColor(m_picture);
}

bool TGlyphStrip::drawsTransparently() const {
    return m_masked && m_maskColor.isValid();
}

QImage TGlyphStrip::GetGlyph(int index) {
    const int width = Width();
    const int height = Height();
    if (index < 0 || index >= CellCount() || width <= 0 || height <= 0)
        return QImage();
    m_work = m_picture.copy((index % m_cols) * width, (index / m_cols) * height, width, height);
    return m_work;
}

QImage TGlyphStrip::DrawnImage(int index) {
    if (m_picture.isNull())
        return QImage();
    const QImage image = index < 0 ? m_picture : GetGlyph(index);
    if (image.isNull() || !drawsTransparently())
        return image;
    return GlyphImages::withTransparency(image);
}

void TGlyphStrip::Draw(QPainter& painter, int x, int y, int index) {
    const QImage image = DrawnImage(index);
    if (!image.isNull())
        painter.drawImage(x, y, image);
}

void TGlyphStrip::DrawCentered(QPainter& painter, const QRect& rect, int index) {
    const int left = rect.left();
    const int right = rect.right() + 1;
    const int top = rect.top();
    const int bottom = rect.bottom() + 1;
    const int width = index < 0 ? m_picture.width() : Width();
    const int height = index < 0 ? m_picture.height() : Height();
    Draw(painter, (left + right - width) / 2, (top + bottom - height) / 2, index);
}
