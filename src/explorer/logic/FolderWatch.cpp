#include "FolderWatch.h"

#include <sys/stat.h>

TEntryKind EntryKindOf(const QByteArray& path) {
    QByteArray entry = path;
    while (entry.size() > 1 && entry.endsWith('/'))
        entry.chop(1);
    struct stat info {};
    if (::stat(entry.constData(), &info) != 0)
        return TEntryKind::Missing;
    return S_ISDIR(info.st_mode) ? TEntryKind::Directory : TEntryKind::File;
}

TWatchTarget WatchTargetOf(const QByteArray& nodePath, bool showFiles, bool listLinked,
                           const std::function<TEntryKind(const QByteArray&)>& kindOf) {
    TWatchTarget target;
    target.Folder = nodePath;
    if (showFiles && kindOf(nodePath) == TEntryKind::File)
        target.Folder = nodePath.left(std::max<qsizetype>(1, nodePath.lastIndexOf('/')));
    if (target.Folder.isEmpty())
        return target;
    target.Kinds = listLinked || showFiles
                       ? TChangeKind::FileName | TChangeKind::DirName | TChangeKind::Attributes |
                             TChangeKind::Size | TChangeKind::LastWrite
                       : static_cast<ChangeKinds>(TChangeKind::DirName);
    return target;
}

TWatchedChange WatchedChangeOf(const QByteArray& nodePath, TEntryKind kind) {
    if (nodePath.isEmpty())
        return TWatchedChange::None;
    switch (kind) {
    case TEntryKind::Directory:
        return TWatchedChange::RefreshNode;
    case TEntryKind::File:
        return TWatchedChange::WatchParent;
    case TEntryKind::Missing:
        break;
    }
    return TWatchedChange::RefreshParent;
}
