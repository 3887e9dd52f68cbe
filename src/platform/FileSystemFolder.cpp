#include "FileSystemFolder.h"

#include "FileFacts.h"
#include "IDElements.h"
#include "ItemFacts.h"
#include "NaturalCompare.h"

#include <QDir>
#include <QFile>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>

namespace {

class TDirectoryEnum : public TEnumIDList {
public:
    TDirectoryEnum(QByteArray directory, DIR* handle, std::uint32_t flags)
        : m_directory(std::move(directory)), m_handle(handle), m_flags(flags) {}
    ~TDirectoryEnum() override { ::closedir(m_handle); }
    TDirectoryEnum(const TDirectoryEnum&) = delete;
    TDirectoryEnum& operator=(const TDirectoryEnum&) = delete;

    std::optional<ItemIDList> Next() override {
        while (const dirent* entry = ::readdir(m_handle)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            if (IsHiddenName(name) && !(m_flags & SHCONTF::INCLUDEHIDDEN))
                continue;
            const bool folder = isFolder(*entry, name);
            if (folder ? (m_flags & SHCONTF::FOLDERS) : (m_flags & SHCONTF::NONFOLDERS))
                return IDElements::makeName(name);
        }
        return std::nullopt;
    }

private:
    QByteArray m_directory;
    DIR* m_handle;
    std::uint32_t m_flags;

    bool isFolder(const dirent& entry, const QByteArray& name) const {
        if (entry.d_type == DT_DIR)
            return true;
        if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
            return false;
        const auto facts = ReadFileFacts(JoinPath(m_directory, name));
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
    const QString base = QFile::decodeName(m_directory);
    const QString cleaned = QDir::cleanPath(QDir::isAbsolutePath(text) ? text : base + u'/' + text);
    const QString prefix = base.endsWith(u'/') ? base : base + u'/';
    if (!cleaned.startsWith(prefix) || !ReadFileFacts(QFile::encodeName(cleaned)))
        return {};
    ItemIDList result = AllocIDList(2);
    for (const QString& part : cleaned.mid(prefix.size()).split(u'/', Qt::SkipEmptyParts)) {
        const ItemIDList element = IDElements::makeName(QFile::encodeName(part));
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
    const QByteArray path = NativePathBelow(m_directory, relative);
    return QFile::decodeName(path);
}
