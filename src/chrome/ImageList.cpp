#include "ImageList.h"

#include "GlyphImages.h"

TImageList::TImageList(int width, int height, QObject* parent) : QObject(parent), m_size(width, height) {}

int TImageList::Add(const QImage& image, const QImage& mask) {
    if (image.size() != m_size)
        return -1;
    m_images.push_back(GlyphImages::withTransparency(image, mask));
    emit OnChange(this);
    return Count() - 1;
}

QImage TImageList::Image(int index) const {
    if (index < 0 || index >= Count())
        return QImage();
    return m_images[std::size_t(index)];
}
