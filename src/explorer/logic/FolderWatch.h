#pragma once

#include "FileChangeThread.h"

#include <QByteArray>
#include <functional>

// The decisions of the tree's folder watcher, apart from the nodes and the threads.

// What a path names in the file system (one trailing "/" and more stripped first).
enum class TEntryKind { Missing, Directory, File };
TEntryKind EntryKindOf(const QByteArray& path);

// What to watch for a node: the folder, and which changes end the wait. An empty Folder
// means nothing is watched (a virtual item).
struct TWatchTarget {
    QByteArray Folder;
    ChangeKinds Kinds = 0;
};

// The node's path is watched; with ShowFiles a node that is a file has its folder watched
// instead (kindOf is asked only then). A linked list or shown files need every change of
// the folder's items, the tree alone only its subfolders' names.
TWatchTarget WatchTargetOf(const QByteArray& nodePath, bool showFiles, bool listLinked,
                           const std::function<TEntryKind(const QByteArray&)>& kindOf);

// What a notice on the watched node's path calls for.
enum class TWatchedChange {
    // Nothing is watched any more (no path).
    None,
    // The folder is still there: read it again and keep watching it.
    RefreshNode,
    // The path is a file now: watch the node's parent.
    WatchParent,
    // The folder is gone: read the parent again and select it.
    RefreshParent,
};
TWatchedChange WatchedChangeOf(const QByteArray& nodePath, TEntryKind kind);
