#include "FolderWatch.h"

#include "TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr ChangeKinds kEveryItemChange = TChangeKind::FileName | TChangeKind::DirName |
                                         TChangeKind::Attributes | TChangeKind::Size |
                                         TChangeKind::LastWrite;

TEntryKind fileKind(const QByteArray&) {
    return TEntryKind::File;
}

TEST(FolderWatch, WhatIsWatchedForANode) {
    int asked = 0;
    const auto directory = [&asked](const QByteArray&) {
        ++asked;
        return TEntryKind::Directory;
    };
    const TWatchTarget treeAlone = WatchTargetOf("/g/maps", false, false, directory);
    EXPECT_EQ(treeAlone.Folder, QByteArray("/g/maps"));
    EXPECT_EQ(treeAlone.Kinds, static_cast<ChangeKinds>(TChangeKind::DirName));
    EXPECT_EQ(asked, 0) << "the file system is asked only when files are shown";

    EXPECT_EQ(WatchTargetOf("/g/maps", false, true, directory).Kinds, kEveryItemChange);
    const TWatchTarget withFiles = WatchTargetOf("/g/maps", true, false, directory);
    EXPECT_EQ(withFiles.Folder, QByteArray("/g/maps"));
    EXPECT_EQ(withFiles.Kinds, kEveryItemChange);
    EXPECT_EQ(asked, 1);
}

TEST(FolderWatch, AFileNodeHasItsFolderWatched) {
    EXPECT_EQ(WatchTargetOf("/g/maps/a.scn", true, false, fileKind).Folder, QByteArray("/g/maps"));
    EXPECT_EQ(WatchTargetOf("/a.scn", true, false, fileKind).Folder, QByteArray("/"));
    // Without shown files a file node is watched as it is (the watcher then ends at once).
    EXPECT_EQ(WatchTargetOf("/g/a.scn", false, false, fileKind).Folder, QByteArray("/g/a.scn"));
}

TEST(FolderWatch, AVirtualNodeIsNotWatched) {
    const TWatchTarget none = WatchTargetOf({}, true, true, fileKind);
    EXPECT_TRUE(none.Folder.isEmpty());
    EXPECT_EQ(none.Kinds, 0u);
}

TEST(FolderWatch, WhatANoticeCallsFor) {
    EXPECT_EQ(WatchedChangeOf({}, TEntryKind::Directory), TWatchedChange::None);
    EXPECT_EQ(WatchedChangeOf("/g", TEntryKind::Directory), TWatchedChange::RefreshNode);
    EXPECT_EQ(WatchedChangeOf("/g", TEntryKind::File), TWatchedChange::WatchParent);
    EXPECT_EQ(WatchedChangeOf("/g", TEntryKind::Missing), TWatchedChange::RefreshParent);
}

TEST(FolderWatch, EntryKindsOfRealPaths) {
    TempFolder temp;
    temp.makeFolder(QStringLiteral("sub"));
    const QString file = temp.makeFile(QStringLiteral("a.scn"));
    EXPECT_EQ(EntryKindOf(QFile::encodeName(temp.path(QStringLiteral("sub")))),
              TEntryKind::Directory);
    EXPECT_EQ(EntryKindOf(QFile::encodeName(temp.path(QStringLiteral("sub"))) + "//"),
              TEntryKind::Directory);
    EXPECT_EQ(EntryKindOf(QFile::encodeName(file)), TEntryKind::File);
    EXPECT_EQ(EntryKindOf(QFile::encodeName(temp.path(QStringLiteral("none")))),
              TEntryKind::Missing);
    EXPECT_EQ(EntryKindOf({}), TEntryKind::Missing);
    EXPECT_EQ(EntryKindOf("/"), TEntryKind::Directory);
}

} // namespace
