#pragma once
// What the explorer tests read back from the views (the captions of a node's children or of a
// list's items, a child by its caption), and the check that views let go of everything.
#include "EventLoop.h"
#include "ShellControls.h"
#include "SystemListView.h"
#include "SystemTreeView.h"

#include <gtest/gtest.h>

inline QStringList childCaptions(const QTreeWidgetItem* node) {
    QStringList names;
    for (int i = 0; node && i < node->childCount(); ++i)
        names << node->child(i)->text(0);
    return names;
}

inline TTreeNode* childNamed(TTreeNode* node, const QString& name) {
    for (int i = 0; node && i < node->childCount(); ++i) {
        if (node->child(i)->text(0) == name)
            return node->Child(i);
    }
    return nullptr;
}

inline QStringList captions(const TSystemListView& list) {
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Item(i)->Caption;
    return names;
}

// After the views are deleted: no watcher is left running and no folder data is left alive.
inline void ExpectViewsLetGo() {
    EXPECT_TRUE(WaitFor([] { return TFileChangeThread::RunningCount() == 0; }));
    Settle(20);
    EXPECT_EQ(TreeLiveFolderDataCount(), 0);
    EXPECT_EQ(ListLiveFolderDataCount(), 0);
}
