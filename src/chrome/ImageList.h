#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include <vector>

// A list of equally sized images with their transparency, from which a button can take its
// picture by index instead of from its own glyph.
class TImageList : public QObject {
    Q_OBJECT

public:
    TImageList(int width, int height, QObject* parent = nullptr);

    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }
    int Count() const { return int(m_images.size()); }

    // Adds an image of the list's size; pixels of the mask's white or, without a mask, of the
    // bottom-left pixel's colour are transparent. Returns the new index, or -1 for a wrong size.
    int Add(const QImage& image, const QImage& mask = QImage());

    // The image with its transparency as alpha; a null image for an index outside the list.
    QImage Image(int index) const;

signals:
    void OnChange(TImageList* sender);

private:
    QSize m_size;
    std::vector<QImage> m_images;
};
