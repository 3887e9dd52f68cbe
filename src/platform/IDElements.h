#pragma once

#include "ItemIDList.h"

#include <QByteArray>

// What our elements carry. A top-level element of the virtual desktop names one of its
// places (home, desktop folder, the file system root, a mounted volume) and keeps that
// place's absolute path; every deeper element is one file name, kept as the file system's
// bytes followed by a zero byte so that it can be read as an 8-bit text in place.
enum class TPlaceKind : char {
    Home = 'H',
    Desktop = 'D',
    FileSystem = 'F',
    Volume = 'V',
    RemovableVolume = 'R'
};

namespace IDElements {

constexpr char PlaceTag = 'P';
constexpr char NameTag = 'N';
// Offset of a name's text inside a one-element relative list: count (2) and tag (1).
constexpr std::uint32_t NameTextOffset = 3;

ItemIDList makeName(const QByteArray& fileName);
ItemIDList makePlace(TPlaceKind kind, const QByteArray& absolutePath);

bool isName(PCItemID element);
bool isPlace(PCItemID element);
// Whether an absolute list names one of the desktop's places (home, file system, a volume).
bool isDesktopPlace(PCItemID absolute);
// The file name of a name element (empty for other elements).
QByteArray nameOf(PCItemID element);
TPlaceKind placeKindOf(PCItemID element);
QByteArray placePathOf(PCItemID element);

} // namespace IDElements
