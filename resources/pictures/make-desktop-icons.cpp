// Writes the program's icon in the sizes of the desktop's icon theme, as
// <folder>/<size>x<size>/apps/brindlewick.png. The pixel art is enlarged by whole multiples
// only, so that its pixels stay sharp; the smallest size is drawn down smoothly. The
// background is transparent.
#include "ProgramPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-desktop-icons <output folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The art's background colour (its bottom-left pixel) becomes real transparency, as desktop
    // icons carry it.
    QImage icon =
        ProgramPictures::draw(TPicture::WindowIcon).convertToFormat(QImage::Format_ARGB32);
    const QRgb background = icon.pixel(0, icon.height() - 1);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixel(x, y) == background)
                icon.setPixel(x, y, qRgba(0, 0, 0, 0));
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 32, 64, 128, 256}) {
        const Qt::TransformationMode mode =
            size < icon.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, mode);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder) ||
            !scaled.save(root.filePath(folder + QStringLiteral("/brindlewick.png")), "PNG")) {
            std::fprintf(stderr, "make-desktop-icons: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
