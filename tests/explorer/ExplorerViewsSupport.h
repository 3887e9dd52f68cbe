#pragma once
// What the explorer tests read back from the views (the captions of a node's children or of a
// list's items, a child by its caption), and the check that views let go of everything.
#include "ErrorReporter.h"
#include "EventLoop.h"
#include "ShellControls.h"
#include "SystemListView.h"
#include "SystemTreeView.h"

#include <functional>
#include <gtest/gtest.h>

// Stands where the program's error box stands: the test says what happens while it is open.
class TestErrorReporter : public TErrorReporter {
public:
    explicit TestErrorReporter(std::function<void(const std::exception&)> onError)
        : m_onError(std::move(onError)) {}
    void reportError(const std::exception& error) override { m_onError(error); }

private:
    std::function<void(const std::exception&)> m_onError;
};

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
