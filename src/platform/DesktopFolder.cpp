#include "DesktopFolder.h"

#include "DesktopPlaces.h"
#include "DisplayNames.h"
#include "FileFacts.h"
#include "FileSystemFolder.h"
#include "IDElements.h"
#include "NaturalCompare.h"

#include <QDir>
#include <QFile>
#include <deque>

namespace {

class TPlacesEnum : public TEnumIDList {
public:
    explicit TPlacesEnum(std::vector<TDesktopPlace> places)
        : m_places(places.begin(), places.end()) {}

    std::optional<ItemIDList> Next() override {
        if (m_places.empty())
            return std::nullopt;
        const TDesktopPlace place = m_places.front();
        m_places.pop_front();
        return IDElements::makePlace(place.kind, place.path);
    }

private:
    std::deque<TDesktopPlace> m_places;
};

int placeRank(TPlaceKind kind) {
    switch (kind) {
    case TPlaceKind::Home:
        return 0;
    case TPlaceKind::Desktop:
        return 1;
    case TPlaceKind::FileSystem:
        return 2;
    case TPlaceKind::Volume:
        return 3;
    case TPlaceKind::RemovableVolume:
        return 3;
    }
    return 4;
}

QString placeDisplayName(PCItemID element) {
    switch (IDElements::placeKindOf(element)) {
    case TPlaceKind::Home:
        //: The user's home folder, at the top of the folder tree.
        return QCoreApplication::translate("TDesktopFolder", "Home");
    case TPlaceKind::Desktop:
        //: The folder whose files the desktop shows, beside the home folder.
        return QCoreApplication::translate("TDesktopFolder", "Desktop Folder");
    case TPlaceKind::FileSystem:
        //: The root folder "/", holding every file of the computer.
        return QCoreApplication::translate("TDesktopFolder", "File System");
    default:
        break;
    }
    const QByteArray path = IDElements::placePathOf(element);
    return DisplayNameOfBytes(path.mid(path.lastIndexOf('/') + 1));
}

bool hasMore(PCItemID list) {
    PCItemID next = NextID(list);
    return next && ElementCount(next) != 0;
}

// The folder holding the last element of a relative list of two or more elements.
std::shared_ptr<TShellFolder> bindParent(const TDesktopFolder& desktop, PCItemID relative) {
    const ItemIDList parent = CopyParentIDList(relative);
    return desktop.BindToObject(parent);
}

} // namespace

std::unique_ptr<TEnumIDList> TDesktopFolder::EnumObjects(std::uint32_t flags) const {
    if (!(flags & SHCONTF::FOLDERS))
        return std::make_unique<TPlacesEnum>(std::vector<TDesktopPlace>{});
    return std::make_unique<TPlacesEnum>(DesktopPlaces());
}

std::shared_ptr<TShellFolder> TDesktopFolder::BindToObject(PCItemID relative) const {
    if (!relative || ElementCount(relative) == 0 || !IDElements::isPlace(relative))
        return nullptr;
    const QByteArray path =
        TFileSystemFolder::NativePathBelow(IDElements::placePathOf(relative), NextID(relative));
    const auto facts = ReadFileFacts(path);
    if (path.isEmpty() || !facts || !facts->isDirectory)
        return nullptr;
    return std::make_shared<TFileSystemFolder>(path);
}

int TDesktopFolder::CompareIDs(int column, PCItemID a, PCItemID b) const {
    if (!a || !b || ElementCount(a) == 0 || ElementCount(b) == 0) {
        const bool hasA = a && ElementCount(a) != 0;
        const bool hasB = b && ElementCount(b) != 0;
        return static_cast<int>(hasA) - static_cast<int>(hasB);
    }
    if (!IDElements::isPlace(a) || !IDElements::isPlace(b))
        return SameIDLists(a, b) ? 0 : (IDElements::isPlace(a) ? -1 : 1);
    const int rankA = placeRank(IDElements::placeKindOf(a));
    const int rankB = placeRank(IDElements::placeKindOf(b));
    if (rankA != rankB)
        return rankA < rankB ? -1 : 1;
    const QByteArray pathA = IDElements::placePathOf(a);
    const QByteArray pathB = IDElements::placePathOf(b);
    if (pathA != pathB)
        return NaturalCompare(QFile::decodeName(pathA), QFile::decodeName(pathB));
    if (hasMore(a) != hasMore(b))
        return hasMore(a) ? 1 : -1;
    if (!hasMore(a))
        return 0;
    return TFileSystemFolder(pathA).CompareIDs(column, NextID(a), NextID(b));
}

std::optional<std::uint32_t> TDesktopFolder::GetAttributesOf(PCItemID relative,
                                                             std::uint32_t mask) const {
    if (!relative)
        return std::nullopt;
    if (ElementCount(relative) == 0)
        return (SFGAO::FOLDER | SFGAO::HASSUBFOLDER | SFGAO::FILESYSANCESTOR) & mask;
    if (hasMore(relative)) {
        const auto parent = bindParent(*this, relative);
        if (!parent)
            return std::nullopt;
        const ItemIDList last = CopyLastID(relative);
        return parent->GetAttributesOf(last, mask);
    }
    if (!IDElements::isPlace(relative))
        return std::nullopt;
    const auto facts = ReadFileFacts(IDElements::placePathOf(relative));
    if (!facts || !facts->isDirectory)
        return std::nullopt;
    std::uint32_t attributes = SFGAO::FOLDER | SFGAO::HASSUBFOLDER | SFGAO::FILESYSANCESTOR |
                               SFGAO::FILESYSTEM | SFGAO::HASPROPSHEET | SFGAO::CANCOPY |
                               SFGAO::CANLINK;
    if (IDElements::placeKindOf(relative) == TPlaceKind::RemovableVolume)
        attributes |= SFGAO::REMOVABLE;
    return attributes & mask;
}

std::optional<TStrRet> TDesktopFolder::GetDisplayNameOf(PCItemID relative,
                                                        std::uint32_t flags) const {
    if (!relative)
        return std::nullopt;
    if (ElementCount(relative) == 0) {
        TStrRet desktop;
        //: The root of the folder tree, holding the home folder, the file system and volumes.
        desktop.wide = (flags & SHGDN::FORPARSING) ? QString() : tr("Desktop");
        return desktop;
    }
    if (hasMore(relative)) {
        const auto parent = bindParent(*this, relative);
        if (!parent)
            return std::nullopt;
        const ItemIDList last = CopyLastID(relative);
        auto answer = parent->GetDisplayNameOf(last, flags);
        if (answer && answer->uType == TStrRet::Offset) {
            // The offset points into the last element; answer with the text itself.
            answer->uType = TStrRet::WStr;
            answer->wide = DisplayNameOfBytes(IDElements::nameOf(last));
        }
        return answer;
    }
    if (!IDElements::isPlace(relative))
        return std::nullopt;
    TStrRet answer;
    answer.uType = TStrRet::WStr;
    answer.wide = (flags & SHGDN::FORPARSING) ? PathOf(relative) : placeDisplayName(relative);
    return answer;
}

ItemIDList TDesktopFolder::ParseDisplayName(const QString& text) const {
    if (!QDir::isAbsolutePath(text) || text.contains(QChar(0)))
        return {};
    return ParseNativePath(QFile::encodeName(text));
}

ItemIDList TDesktopFolder::ParseNativePath(const QByteArray& path) const {
    if (!path.startsWith('/') || path.contains('\0'))
        return {};
    const QByteArray cleaned = CleanNativePath(path);
    if (!ReadFileFacts(cleaned))
        return {};
    const TDesktopPlace* best = nullptr;
    QByteArray bestPrefix;
    const auto places = DesktopPlaces();
    for (const TDesktopPlace& place : places) {
        const QByteArray prefix = place.path.endsWith('/') ? place.path : place.path + '/';
        const bool inside = cleaned == place.path || cleaned.startsWith(prefix);
        if (inside && (!best || prefix.size() > bestPrefix.size())) {
            best = &place;
            bestPrefix = prefix;
        }
    }
    if (!best)
        return {};
    ItemIDList result = IDElements::makePlace(best->kind, best->path);
    if (cleaned.size() > bestPrefix.size()) {
        const TFileSystemFolder folder(best->path);
        const ItemIDList rest = folder.ParseNativePath(cleaned);
        if (!rest)
            return {};
        result = ConcatIDLists(result, rest);
    }
    return result;
}

ItemIDList TDesktopFolder::SetNameOf(PCItemID relative, const QString& newName,
                                     std::uint32_t flags) const {
    if (!relative || !hasMore(relative))
        return {};
    const auto parent = bindParent(*this, relative);
    if (!parent)
        return {};
    const ItemIDList last = CopyLastID(relative);
    const ItemIDList renamed = parent->SetNameOf(last, newName, flags);
    if (!renamed)
        return {};
    const ItemIDList parentList = CopyParentIDList(relative);
    return ConcatIDLists(parentList, renamed);
}

QString TDesktopFolder::PathOf(PCItemID relative) const {
    return QFile::decodeName(NativePathOf(relative));
}

QByteArray TDesktopFolder::NativePathOf(PCItemID relative) const {
    if (!relative || ElementCount(relative) == 0 || !IDElements::isPlace(relative))
        return {};
    return TFileSystemFolder::NativePathBelow(IDElements::placePathOf(relative), NextID(relative));
}
