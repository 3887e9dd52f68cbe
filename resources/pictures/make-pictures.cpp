// Writes the program's pictures as PNG files, and the resource collection that lists them,
// into the folder named by the first argument. The build runs it and compiles the collection
// into the program's resources.
#include "ProgramPictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-pictures <output folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    QByteArray collection =
        "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
    try {
        for (int i = 0; i < static_cast<int>(TPicture::Count); ++i) {
            const auto picture = static_cast<TPicture>(i);
            const QString name = ProgramPictures::fileName(picture);
            const QString path = folder.filePath(name);
            if (!ProgramPictures::draw(picture).save(path, "PNG")) {
                std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
                return 1;
            }
            collection += "  <file>" + name.toLatin1() + "</file>\n";
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-pictures: %s\n", error.what());
        return 1;
    }
    collection += "</qresource>\n</RCC>\n";
    QFile list(folder.filePath(QStringLiteral("pictures.qrc")));
    if (!list.open(QIODevice::WriteOnly) || list.write(collection) != collection.size()) {
        std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(list.fileName()));
        return 1;
    }
    return 0;
}
