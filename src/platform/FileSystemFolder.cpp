#include "FileSystemFolder.h"

#include "FileFacts.h"
#include "IDElements.h"
#include "ItemFacts.h"
#include "NaturalCompare.h"

#include <QFile>
#include <algorithm>
#include <vector>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>

namespace {

// Hands out a directory's entries in natural name order (the order the desktop's file
// manager shows), read all at once so that the order does not depend on the disk.
class TDirectoryEnum : public TEnumIDList {
public:
    TDirectoryEnum(const QByteArray& directory, DIR* handle, std::uint32_t flags) {
        while (const dirent* entry = ::readdir(handle)) {
            // An entry of a known kind that is not asked for is passed over before anything
            // is made of it: the tree reads only the folders of a folder of many files.
            const bool mayBeFolder =
                entry->d_type == DT_DIR || entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN;
            if (!(flags & SHCONTF::NONFOLDERS) && !mayBeFolder)
                continue;
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            if (IsHiddenName(name) && !(flags & SHCONTF::INCLUDEHIDDEN))
                continue;
            const bool folder = isFolder(directory, *entry, name);
            if (folder ? (flags & SHCONTF::FOLDERS) : (flags & SHCONTF::NONFOLDERS))
                m_entries.push_back({QFile::decodeName(name), name});
        }
        ::closedir(handle);
        std::sort(m_entries.begin(), m_entries.end(), [](const TEntry& a, const TEntry& b) {
            const int order = NaturalCompare(a.shown, b.shown);
            return order != 0 ? order < 0 : a.bytes < b.bytes;
        });
    }

    std::optional<ItemIDList> Next() override {
        if (m_next >= m_entries.size())
            return std::nullopt;
        return IDElements::makeName(m_entries[m_next++].bytes);
    }

private:
    struct TEntry {
        QString shown;
        QByteArray bytes;
    };
    std::vector<TEntry> m_entries;
    std::size_t m_next = 0;

    static bool isFolder(const QByteArray& directory, const dirent& entry, const QByteArray& name) {
        if (entry.d_type == DT_DIR)
            return true;
        if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
            return false;
        const auto facts = ReadFileFacts(JoinPath(directory, name));
        return facts && facts->isDirectory;
    }
};

int sign(std::int64_t value) {
    return (value > 0) - (value < 0);
}

int compareByColumn(int column, const QByteArray& pathA, const QByteArray& pathB) {
    if (column == 0)
        return 0;
    const auto a = ReadFileFacts(pathA);
    const auto b = ReadFileFacts(pathB);
    if (!a || !b)
        return static_cast<int>(bool(a)) - static_cast<int>(bool(b));
    switch (column) {
    case 1:
        return sign(a->size - b->size);
    case 2:
        return NaturalCompare(TypeNameOfPath(QFile::decodeName(pathA), a->isDirectory),
                              TypeNameOfPath(QFile::decodeName(pathB), b->isDirectory));
    case 3:
        if (a->modifiedSeconds != b->modifiedSeconds)
            return sign(a->modifiedSeconds - b->modifiedSeconds);
        return sign(a->modifiedNanoseconds - b->modifiedNanoseconds);
    case 4:
        return QString::compare(AttributeLetters(FindAttributesOf(pathA, *a)),
                                AttributeLetters(FindAttributesOf(pathB, *b)));
    default:
        return 0;
    }
}

bool isAcceptableName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(QChar(0));
}

} // namespace

TFileSystemFolder::TFileSystemFolder(QByteArray directory) : m_directory(std::move(directory)) {}

bool TFileSystemFolder::isWritable() const {
    if (!m_writable)
        m_writable = IsWritableDirectory(m_directory);
    return *m_writable;
}

std::unique_ptr<TEnumIDList> TFileSystemFolder::EnumObjects(std::uint32_t flags) const {
    DIR* handle = ::opendir(m_directory.constData());
    if (!handle)
        return nullptr;
    return std::make_unique<TDirectoryEnum>(m_directory, handle, flags);
}

QByteArray TFileSystemFolder::NativePathBelow(const QByteArray& directory, PCItemID relative) {
    QByteArray path = directory;
    for (PCItemID element = relative; element && ElementCount(element) != 0;
         element = NextID(element)) {
        if (!IDElements::isName(element))
            return {};
        path = JoinPath(path, IDElements::nameOf(element));
    }
    return path;
}

std::shared_ptr<TShellFolder> TFileSystemFolder::BindToObject(PCItemID relative) const {
    const QByteArray path = NativePathBelow(m_directory, relative);
    if (path.isEmpty())
        return nullptr;
    const auto facts = ReadFileFacts(path);
    if (!facts || !facts->isDirectory)
        return nullptr;
    return std::make_shared<TFileSystemFolder>(path);
}

int TFileSystemFolder::CompareIDs(int column, PCItemID a, PCItemID b) const {
    if (!a || !b)
        return static_cast<int>(bool(a)) - static_cast<int>(bool(b));
    const QByteArray nameA = IDElements::nameOf(a);
    const QByteArray nameB = IDElements::nameOf(b);
    int result =
        compareByColumn(column, JoinPath(m_directory, nameA), JoinPath(m_directory, nameB));
    if (result == 0 && nameA != nameB)
        result = NaturalCompare(QFile::decodeName(nameA), QFile::decodeName(nameB));
    if (result == 0) {
        // Same first element: the deeper elements decide.
        PCItemID restA = NextID(a);
        PCItemID restB = NextID(b);
        const bool moreA = restA && ElementCount(restA) != 0;
        const bool moreB = restB && ElementCount(restB) != 0;
        if (moreA != moreB)
            return moreA ? 1 : -1;
        if (moreA) {
            const TFileSystemFolder child(JoinPath(m_directory, nameA));
            return child.CompareIDs(column, restA, restB);
        }
    }
    return result;
}

std::optional<std::uint32_t> TFileSystemFolder::AttributesOfPath(const QByteArray& path,
                                                                 bool parentWritable) {
    const auto facts = ReadFileFacts(path);
    if (!facts)
        return std::nullopt;
    std::uint32_t attributes =
        SFGAO::FILESYSTEM | SFGAO::HASPROPSHEET | SFGAO::CANCOPY | SFGAO::CANLINK;
    if (parentWritable)
        attributes |= SFGAO::CANRENAME | SFGAO::CANMOVE | SFGAO::CANDELETE;
    if (facts->isDirectory)
        attributes |= SFGAO::FOLDER | SFGAO::HASSUBFOLDER | SFGAO::FILESYSANCESTOR;
    if (facts->isLink)
        attributes |= SFGAO::LINK;
    const qsizetype slash = path.lastIndexOf('/');
    if (IsHiddenName(path.mid(slash + 1)))
        attributes |= SFGAO::GHOSTED;
    return attributes;
}

std::optional<std::uint32_t> TFileSystemFolder::GetAttributesOf(PCItemID relative,
                                                                std::uint32_t mask) const {
    const QByteArray path = NativePathBelow(m_directory, relative);
    if (path.isEmpty() || IDListElementCount(relative) == 0)
        return std::nullopt;
    const bool parentWritable = IDListElementCount(relative) == 1
                                    ? isWritable()
                                    : IsWritableDirectory(path.left(path.lastIndexOf('/')));
    const auto attributes = AttributesOfPath(path, parentWritable);
    if (!attributes)
        return std::nullopt;
    return *attributes & mask;
}

std::optional<TStrRet> TFileSystemFolder::GetDisplayNameOf(PCItemID relative,
                                                           std::uint32_t flags) const {
    if (!relative || !IDElements::isName(relative))
        return std::nullopt;
    TStrRet answer;
    if (flags & SHGDN::FORPARSING) {
        answer.uType = TStrRet::WStr;
        answer.wide = PathOf(relative);
        return answer;
    }
    answer.uType = TStrRet::Offset;
    answer.offset = IDElements::NameTextOffset;
    return answer;
}

ItemIDList TFileSystemFolder::ParseDisplayName(const QString& text) const {
    if (text.isEmpty() || text.contains(QChar(0)))
        return {};
    return ParseNativePath(QFile::encodeName(text));
}

ItemIDList TFileSystemFolder::ParseNativePath(const QByteArray& path) const {
    if (path.isEmpty() || path.contains('\0'))
        return {};
    const QByteArray cleaned = CleanNativePath(path.startsWith('/') ? path : m_directory + '/' + path);
    const QByteArray prefix = m_directory.endsWith('/') ? m_directory : m_directory + '/';
    if (!cleaned.startsWith(prefix) || !ReadFileFacts(cleaned))
        return {};
    ItemIDList result = AllocIDList(2);
    for (const QByteArray& part : cleaned.mid(prefix.size()).split('/')) {
        if (part.isEmpty())
            continue;
        const ItemIDList element = IDElements::makeName(part);
        result = ConcatIDLists(result, element);
    }
    return IDListElementCount(result) ? std::move(result) : ItemIDList{};
}

ItemIDList TFileSystemFolder::SetNameOf(PCItemID relative, const QString& newName,
                                        std::uint32_t) const {
    if (IDListElementCount(relative) != 1 || !IDElements::isName(relative) ||
        !isAcceptableName(newName))
        return {};
    const QByteArray from = JoinPath(m_directory, IDElements::nameOf(relative));
    const QByteArray encoded = QFile::encodeName(newName);
    const QByteArray to = JoinPath(m_directory, encoded);
    // Never replace an existing item of the new name.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0)
        return {};
    return IDElements::makeName(encoded);
}

QString TFileSystemFolder::PathOf(PCItemID relative) const {
    return QFile::decodeName(NativePathOf(relative));
}

QByteArray TFileSystemFolder::NativePathOf(PCItemID relative) const {
    return NativePathBelow(m_directory, relative);
}
