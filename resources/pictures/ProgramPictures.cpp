#include "ProgramPictures.h"

#include "PixelArt.h"

#include <QPoint>

namespace ProgramPictures {

QImage menuGlyphStrip() {
    QImage strip = PixelArt::blank(MenuGlyphCell * MenuGlyphCount, MenuGlyphCell);
    for (int cell = 0; cell < MenuGlyphCount; ++cell) {
        const QImage glyph = PixelArt::centred(glyphSubject(static_cast<TMenuGlyph>(cell)),
                                               MenuGlyphCell, MenuGlyphCell);
        PixelArt::stamp(strip, glyph, QPoint(cell * MenuGlyphCell, 0));
    }
    return strip.convertToFormat(QImage::Format_RGB888);
}

QString fileName(TPicture picture) {
    return QString::fromLatin1(row(picture).Name) + QStringLiteral(".png");
}

QString resourcePath(TPicture picture) {
    return QStringLiteral(":/pictures/") + fileName(picture);
}

QImage load(TPicture picture) {
    return QImage(resourcePath(picture));
}

QSize imageSize(TPicture picture) {
    const TPictureRow& entry = row(picture);
    return entry.Size.isEmpty() ? entry.Draw().size() : entry.Size;
}

int imageCount(TPicture picture) {
    return row(picture).WithGreyed ? 2 : 1;
}

QImage draw(TPicture picture) {
    const TPictureRow& entry = row(picture);
    if (entry.Size.isEmpty())
        return entry.Draw();
    const QImage image = PixelArt::centred(entry.Draw(), entry.Size.width(), entry.Size.height());
    return entry.WithGreyed ? PixelArt::withGreyedImage(image) : image;
}

} // namespace ProgramPictures
