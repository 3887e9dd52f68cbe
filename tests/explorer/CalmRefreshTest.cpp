// A busy folder: a writer process appends to a file while the explorer shows the folder.
// Refreshes come calmly, and what the user has set up (selection, focus, scroll position,
// expanded subfolders) stays. The watcher follows the selected folder, also after a rebuild.
#include "EventLoop.h"
#include "ExplorerViewsSupport.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TempFolder.h"

#include <QAbstractItemView>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList selectedCaptions(const TSystemListView& list) {
    QStringList names;
    for (TListItem* item = list.GetNextSelected(nullptr); item; item = list.GetNextSelected(item))
        names << item->Caption;
    return names;
}

class CalmRefresh : public ::testing::Test {
protected:
    TempFolder temp;
    QWidget form;
    TSystemTreeView* tree = new TSystemTreeView(&form);
    TSystemListView* list = new TSystemListView(&form);

    void SetUp() override {
        list->setFileMask(QStringLiteral("*.scn"));
        list->setShowFolders(false);
        list->setMultiSelect(true);
        list->setViewStyle(TViewStyle::vsReport);
        tree->setRootFolder(TRootFolder::rfCustom);
    }
    void TearDown() override {
        delete tree;
        delete list;
        ExpectViewsLetGo();
    }
};

TEST_F(CalmRefresh, AWriterAppendingKeepsSelectionFocusScrollAndExpandedFolders) {
    for (int i = 0; i < 40; ++i)
        temp.makeFile(QStringLiteral("s%1.scn").arg(i, 2, 10, QChar(u'0')));
    temp.makeFolder(QStringLiteral("sub/inner"));
    tree->setCustomDir(temp.path());
    tree->setReadDelay(0);
    form.resize(500, 200);
    tree->setGeometry(0, 0, 200, 200);
    list->setGeometry(200, 0, 300, 200);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    tree->setSelected(tree->RootNode());
    ASSERT_EQ(list->Count(), 40);
    TTreeNode* sub = childNamed(tree->RootNode(), QStringLiteral("sub"));
    tree->ExpandNode(sub);
    TTreeNode* inner = childNamed(sub, QStringLiteral("inner"));
    ASSERT_NE(inner, nullptr);
    // Marks that only the nodes made here carry: a node made anew may reuse a freed node's
    // address, but not its data.
    constexpr int keptMark = Qt::UserRole + 1;
    sub->setData(0, keptMark, true);
    inner->setData(0, keptMark, true);
    list->setSelected(list->Item(30), true);
    list->setSelected(list->Item(31), true);
    list->setItemFocused(list->Item(31));
    // Scrolled away from the focused item, as with the wheel: a refill that only brings the
    // focused item back into view would move the list.
    QAbstractItemView* view = list->CurrentView();
    QScrollBar* scroll = view->verticalScrollBar();
    scroll->setValue(scroll->maximum() / 4);
    const int scrolled = scroll->value();
    ASSERT_GT(scrolled, 0);
    ASSERT_FALSE(view->viewport()->rect().intersects(view->visualRect(list->Model()->index(31, 0))));
    ASSERT_TRUE(WaitFor([&] { return tree->WatcherReady(); }));

    int refills = 0;
    list->OnPopulated = [&refills](TSystemListView*) { ++refills; };
    QProcess writer;
    writer.setWorkingDirectory(temp.path());
    writer.start(QStringLiteral("sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("for i in $(seq 30); do echo line >> log.txt; sleep 0.1; done; "
                                 ": > new.scn")});
    ASSERT_TRUE(writer.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return writer.state() == QProcess::NotRunning; }, 30000));
    ASSERT_TRUE(WaitFor([&] { return list->Count() == 41; }));
    Settle(300);

    // About one refill a second while the writer ran, instead of one per write.
    EXPECT_GE(refills, 1);
    EXPECT_LE(refills, 10);
    EXPECT_EQ(selectedCaptions(*list), (QStringList{"s30.scn", "s31.scn"}));
    ASSERT_NE(list->ItemFocused(), nullptr);
    EXPECT_EQ(list->ItemFocused()->Caption, QStringLiteral("s31.scn"));
    EXPECT_EQ(scroll->value(), scrolled);
    // Looked up again rather than read through the old pointer, which a refresh that makes
    // the nodes anew would have freed.
    TTreeNode* subNow = childNamed(tree->RootNode(), QStringLiteral("sub"));
    EXPECT_EQ(subNow, sub) << "the subfolder's node is kept";
    ASSERT_NE(subNow, nullptr);
    EXPECT_TRUE(subNow->data(0, keptMark).toBool()) << "the subfolder's node is kept";
    EXPECT_TRUE(subNow->isExpanded());
    TTreeNode* innerNow = childNamed(subNow, QStringLiteral("inner"));
    EXPECT_EQ(innerNow, inner) << "its child's node is kept";
    ASSERT_NE(innerNow, nullptr);
    EXPECT_TRUE(innerNow->data(0, keptMark).toBool()) << "its child's node is kept";
    EXPECT_EQ(tree->Selected(), tree->RootNode());
}

TEST_F(CalmRefresh, AfterARebuildTheSelectedFolderIsStillWatched) {
    temp.makeFolder(QStringLiteral("shown"));
    tree->setCustomDir(temp.path());
    tree->setDirectory(temp.path(QStringLiteral("shown")));
    ASSERT_TRUE(WaitFor([&] { return tree->WatchedNode() && tree->WatchedNode() == tree->Selected(); }));
    // What New and Open do.
    tree->Rebuild();
    list->Reload();
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selection(), temp.path(QStringLiteral("shown")));
    EXPECT_EQ(tree->WatchedNode(), tree->Selected());
    ASSERT_TRUE(WaitFor([&] { return tree->WatcherReady(); }));
    temp.makeFile(QStringLiteral("shown/new.scn"));
    EXPECT_TRUE(WaitFor([&] { return list->Count() == 1; }));
}

} // namespace
