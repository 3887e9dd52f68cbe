#include "DesktopPlaces.h"

#include "DisplayNames.h"
#include "FileFacts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

// The mount table escapes blanks and other bytes as \ooo octal sequences.
QByteArray unescapeMountPath(const QByteArray& field) {
    QByteArray path;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value < 256) {
                path += static_cast<char>(value);
                i += 3;
                continue;
            }
        }
        path += field[i];
    }
    return path;
}

bool existingDirectory(const QByteArray& path) {
    const auto facts = ReadFileFacts(path);
    return facts && facts->isDirectory;
}

} // namespace

std::vector<TDesktopPlace> VolumePlaces(const QByteArray& mountTable) {
    std::vector<TDesktopPlace> volumes;
    for (const QByteArray& line : mountTable.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        const QByteArray mountPoint = unescapeMountPath(fields[1]);
        const bool removable =
            mountPoint.startsWith("/media/") || mountPoint.startsWith("/run/media/");
        if (!removable && !mountPoint.startsWith("/mnt/"))
            continue;
        const QString name = DisplayNameOfBytes(mountPoint.mid(mountPoint.lastIndexOf('/') + 1));
        volumes.push_back(
            {removable ? TPlaceKind::RemovableVolume : TPlaceKind::Volume, mountPoint, name});
    }
    return volumes;
}

std::vector<TDesktopPlace> DesktopPlaces(const QString& mountsFile) {
    std::vector<TDesktopPlace> places;
    const QByteArray home = QFile::encodeName(QDir::homePath());
    //: The user's home folder, at the top of the folder tree.
    places.push_back(
        {TPlaceKind::Home, home, QCoreApplication::translate("DesktopPlaces", "Home")});
    const QByteArray desktop =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    if (!desktop.isEmpty() && desktop != home && existingDirectory(desktop))
        //: The folder whose files the desktop shows, beside the home folder.
        places.push_back({TPlaceKind::Desktop, desktop,
                          QCoreApplication::translate("DesktopPlaces", "Desktop Folder")});
    //: The root folder "/", holding every file of the computer.
    places.push_back({TPlaceKind::FileSystem, QByteArray("/"),
                      QCoreApplication::translate("DesktopPlaces", "File System")});
    QFile mounts(mountsFile);
    if (mounts.open(QIODevice::ReadOnly)) {
        for (TDesktopPlace& volume : VolumePlaces(mounts.readAll()))
            places.push_back(std::move(volume));
    }
    return places;
}
