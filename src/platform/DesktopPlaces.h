#pragma once

#include "IDElements.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One place the virtual desktop holds.
struct TDesktopPlace {
    TPlaceKind kind;
    QByteArray path;
    QString displayName;
};

// The desktop's places as they stand now (the desktop itself is the root and is called
// "Desktop"; its XDG desktop directory is the place "Desktop Folder"): the home folder, the desktop
// folder when it exists apart from home, "File System" and every volume mounted below /media,
// /run/media or /mnt (read from the mount table at mountsFile).
std::vector<TDesktopPlace>
DesktopPlaces(const QString& mountsFile = QStringLiteral("/proc/self/mounts"));

// Mount points for removable and other volumes among the lines of a mount table.
std::vector<TDesktopPlace> VolumePlaces(const QByteArray& mountTable);
