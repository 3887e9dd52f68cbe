// Writes the program's pictures as PNG files into the folder named by the first argument.
// The build runs it and compiles the files into the program's resources.
#include "ProgramPictures.h"

#include <QDir>
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
    try {
        for (const ProgramPictures::NamedPicture& picture : ProgramPictures::all()) {
            const QString path = folder.filePath(picture.name);
            if (!picture.image.save(path, "PNG")) {
                std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
