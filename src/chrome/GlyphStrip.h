#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>

class QPainter;

// One picture cut into `Cols` x `Rows` equal cells, numbered row by row from 0. Menus draw an
// item's picture from it; the colour of each cell's bottom-left pixel is transparent.
class TGlyphStrip : public QObject {
    Q_OBJECT

public:
    explicit TGlyphStrip(QObject* parent = nullptr);

    int Cols() const { return m_cols; }
    void setCols(int cols);
    int Rows() const { return m_rows; }
    void setRows(int rows);

    // Cell size; setting a size picks the number of cells that fit the picture.
    int Width() const;
    void setWidth(int width);
    int Height() const;
    void setHeight(int height);

    bool Masked() const { return m_masked; }
    void setMasked(bool masked);

    // An invalid colour switches transparency off; any other value switches it on.
    QColor MaskColor() const { return m_maskColor; }
    void setMaskColor(const QColor& color);

    const QImage& Picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    int CellCount() const;

    // The cell (a copy kept as the strip's work image); a null image for a cell outside the strip.
    QImage GetGlyph(int index);

    // What Draw draws: the cell (the whole picture for an index below 0), made transparent
    // when the strip is masked; a null image when there is nothing to draw.
    QImage DrawnImage(int index);
    // Draws a cell with its top-left at (x, y); an index below 0 draws the whole picture.
    void Draw(QPainter& painter, int x, int y, int index);
    void DrawCentered(QPainter& painter, const QRect& rect, int index);

signals:
    void OnChange(TGlyphStrip* sender);

private:
    QColor defaultMaskColor() const;
    bool drawsTransparently() const;

    int m_cols = 1;
    int m_rows = 1;
    bool m_masked = true;
    QColor m_maskColor;
    QImage m_picture;
    QImage m_work;
};
