#include "SystemTreeView.h"

#include "EventLoop.h"
#include "ExplorerViewsSupport.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "TempFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QStringList g_debugLines;

void captureDebug(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg)
        g_debugLines << message;
}

class SystemTreeViewTest : public ::testing::Test {
protected:
    TempFolder temp;
    QWidget form;
    TSystemTreeView* tree = nullptr;
    TSystemListView* list = nullptr;

    // A tree rooted at the temporary folder; with a list beside it when asked.
    void makeTree(bool withList) {
        tree = new TSystemTreeView(&form);
        if (withList) {
            list = new TSystemListView(&form);
            list->setFileMask(QStringLiteral("*.scn"));
            list->setShowFolders(false);
        }
        tree->setRootFolder(TRootFolder::rfCustom);
        tree->setCustomDir(temp.path());
    }

    void TearDown() override {
        delete tree;
        delete list;
        ExpectViewsLetGo();
    }
};

TEST_F(SystemTreeViewTest, DefaultsAndDesktopRoot) {
    tree = new TSystemTreeView(&form);
    EXPECT_EQ(tree->Version(), QStringLiteral("TSystemTreeView v1.0"));
    EXPECT_EQ(tree->ReadDelay(), 500);
    EXPECT_EQ(tree->PopupMenuMethod(), TPopupMenuMethod::pmmContext);
    EXPECT_EQ(tree->RootFolder(), TRootFolder::rfDesktop);
    EXPECT_TRUE(tree->ShowHiddenDirs());
    EXPECT_FALSE(tree->ShowFiles());
    EXPECT_TRUE(tree->ExpandRoot());
    EXPECT_TRUE(tree->ImmediateChange());
    EXPECT_TRUE(tree->ShowButtons());
    EXPECT_TRUE(tree->ShowLines());
    EXPECT_TRUE(tree->ShowRoot());
    EXPECT_EQ(tree->DragMode(), TDragMode::dmManual);
    EXPECT_FALSE(tree->dragEnabled());
    tree->setIndent(19);
    EXPECT_EQ(tree->Indent(), 19);
    ASSERT_NE(tree->RootNode(), nullptr);
    EXPECT_EQ(tree->RootNode()->text(0), QStringLiteral("Desktop"));
    EXPECT_TRUE(tree->RootNode()->isExpanded());
    EXPECT_TRUE(childCaptions(tree->RootNode()).contains(QStringLiteral("Home")));
    EXPECT_TRUE(childCaptions(tree->RootNode()).contains(QStringLiteral("File System")));
    EXPECT_EQ(tree->Selection(), QString());
    tree->setDirectory(temp.path());
    EXPECT_EQ(tree->Selection(), temp.path());
    EXPECT_EQ(tree->Directory(), temp.path());
}

TEST_F(SystemTreeViewTest, LevelsAreReadWhenFirstExpandedInNaturalOrder) {
    temp.makeFolder(QStringLiteral("b10"));
    temp.makeFolder(QStringLiteral("b9/deeper"));
    temp.makeFolder(QStringLiteral("A"));
    temp.makeFile(QStringLiteral("file.scn"));
    makeTree(false);
    int populated = 0;
    tree->OnPopulated = [&populated](TSystemTreeView*, TTreeNode*) { ++populated; };
    TTreeNode* root = tree->RootNode();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(childCaptions(root), (QStringList{"A", "b9", "b10"}));
    TTreeNode* b9 = childNamed(root, "b9");
    EXPECT_EQ(b9->childCount(), 0);
    EXPECT_FALSE(b9->Data->Populated);
    tree->ExpandNode(b9);
    EXPECT_TRUE(b9->Data->Populated);
    EXPECT_EQ(childCaptions(b9), QStringList{"deeper"});
    EXPECT_EQ(populated, 1);
    // An empty folder loses its button when expanded.
    TTreeNode* a = childNamed(root, "A");
    EXPECT_EQ(a->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    a->setExpanded(true);
    EXPECT_EQ(a->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    EXPECT_FALSE(a->isExpanded());
    EXPECT_EQ(populated, 1);
}

TEST_F(SystemTreeViewTest, ShowFilesAndMaskApplyToNonFolderNodes) {
    temp.makeFile(QStringLiteral("a.scn"));
    temp.makeFile(QStringLiteral("b.txt"));
    temp.makeFile(QStringLiteral("only/c.scn"));
    makeTree(false);
    tree->setFileMask(QStringLiteral("*.scn"));
    tree->setShowFiles(true);
    EXPECT_EQ(childCaptions(tree->RootNode()), (QStringList{"a.scn", "only"}));
    temp.makeFolder(QStringLiteral("empty"));
    tree->Rebuild();
    EXPECT_EQ(childNamed(tree->RootNode(), "empty")->childIndicatorPolicy(),
              QTreeWidgetItem::ShowIndicator);
}

TEST_F(SystemTreeViewTest, HiddenFolderIsAddedOnTheWayToASelection) {
    temp.makeFolder(QStringLiteral(".secret/inside"));
    temp.makeFolder(QStringLiteral("visible"));
    makeTree(false);
    tree->setShowHiddenDirs(false);
    tree->Rebuild();
    EXPECT_EQ(childCaptions(tree->RootNode()), QStringList{"visible"});
    tree->setDirectory(temp.path(QStringLiteral(".secret/inside")));
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->text(0), QStringLiteral("inside"));
    EXPECT_EQ(tree->Selection(), temp.path(QStringLiteral(".secret/inside")));
    EXPECT_TRUE(childCaptions(tree->RootNode()).contains(QStringLiteral(".secret")));
    // Collapsed and opened again, the added folder is in its sorted place.
    temp.makeFolder(QStringLiteral("a-first"));
    tree->RefreshNode(tree->RootNode());
    tree->setDirectory(temp.path(QStringLiteral(".secret")));
    EXPECT_EQ(childCaptions(tree->RootNode()), (QStringList{"a-first", "visible", ".secret"}));
    tree->RootNode()->setExpanded(false);
    tree->RootNode()->setExpanded(true);
    EXPECT_EQ(childCaptions(tree->RootNode()), (QStringList{".secret", "a-first", "visible"}));
}

TEST_F(SystemTreeViewTest, UnparsableCustomDirGivesAnEmptyTree) {
    tree = new TSystemTreeView(&form);
    tree->setRootFolder(TRootFolder::rfCustom);
    tree->setCustomDir(temp.path(QStringLiteral("does-not-exist")));
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(tree->Selection(), QString());
    tree->setDirectory(temp.path());
    EXPECT_EQ(tree->Selected(), nullptr);
}

TEST_F(SystemTreeViewTest, CustomCaptionAndEveryRootResolves) {
    makeTree(false);
    tree->setCustomDirCaption(QStringLiteral("Campaigns"));
    EXPECT_EQ(tree->RootNode()->text(0), QStringLiteral("Campaigns"));
    temp.makeFolder(QStringLiteral("x"));
    tree->RefreshNode(tree->RootNode());
    tree->setDirectory(QStringLiteral("Campaigns/x"));
    ASSERT_NE(tree->Selected(), nullptr);
    EXPECT_EQ(tree->Selected()->text(0), QStringLiteral("x"));
    tree->setRootFolder(TRootFolder::rfFileSystem);
    ASSERT_NE(tree->RootNode(), nullptr);
    EXPECT_EQ(tree->GetNodePath(tree->RootNode()), QStringLiteral("/"));
    tree->setDirectory(temp.path(QStringLiteral("x")));
    EXPECT_EQ(tree->Selection(), temp.path(QStringLiteral("x")));
    EXPECT_EQ(RootFolderCSIDL(TRootFolder::rfDrives), 17);
    EXPECT_EQ(RootFolderCSIDL(TRootFolder::rfTemplates), 21);
}

TEST_F(SystemTreeViewTest, RebuildAndRecreationKeepTheSelectedFolder) {
    temp.makeFolder(QStringLiteral("one/two"));
    makeTree(false);
    tree->setDirectory(temp.path(QStringLiteral("one/two")));
    tree->Rebuild();
    EXPECT_EQ(tree->Selection(), temp.path(QStringLiteral("one/two")));
    g_debugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    tree->setCheckboxes(true);
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_debugLines, (QStringList{"destroyingwnd start", "destroyingwnd end"}));
    EXPECT_EQ(tree->Selection(), temp.path(QStringLiteral("one/two")));
    EXPECT_EQ(tree->Selected()->checkState(0), Qt::Unchecked);
}

TEST_F(SystemTreeViewTest, DestructionWritesItsTraceLines) {
    tree = new TSystemTreeView(&form);
    g_debugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    delete tree;
    tree = nullptr;
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_debugLines, (QStringList{"destroy start", "destroy end"}));
}

TEST_F(SystemTreeViewTest, BurstOfSelectionChangesReachesTheListOnceAfterTheDelay) {
    for (int i = 1; i <= 5; ++i)
        temp.makeFile(QStringLiteral("f%1/file%1.scn").arg(i));
    makeTree(true);
    form.show();
    TTreeNode* root = tree->RootNode();
    tree->setSelected(root);
    ASSERT_TRUE(WaitFor([&] { return SHGetPathFromIDList(list->CurrentID()) == temp.path(); }));

    std::vector<QString> populations;
    QElapsedTimer sinceLastMove;
    qint64 delay = -1;
    list->OnPopulated = [&](TSystemListView* sender) {
        populations.push_back(SHGetPathFromIDList(sender->CurrentID()));
        delay = sinceLastMove.elapsed();
    };
    // The moves are 100 ms apart; no events run between them, so only the restarted timer
    // decides when the list hears of the selection.
    for (int i = 1; i <= 5; ++i) {
        if (i > 1)
            QThread::msleep(100);
        tree->setSelected(childNamed(root, QStringLiteral("f%1").arg(i)));
        sinceLastMove.start();
    }
    EXPECT_TRUE(populations.empty());
    EXPECT_EQ(tree->WatchedNode(), root);
    ASSERT_TRUE(WaitFor([&] { return !populations.empty(); }, 3000));
    Settle(600);
    ASSERT_EQ(populations.size(), 1u);
    EXPECT_EQ(populations.front(), temp.path(QStringLiteral("f5")));
    EXPECT_GE(delay, 495);
    EXPECT_LT(delay, 3000);
    EXPECT_TRUE(tree->Watching());
    EXPECT_EQ(tree->WatchedNode(), childNamed(root, "f5"));
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(list->Item(0)->Caption, QStringLiteral("file5.scn"));
}

TEST_F(SystemTreeViewTest, NewFileInTheWatchedFolderRefreshesTreeAndList) {
    temp.makeFolder(QStringLiteral("watched/child"));
    makeTree(true);
    tree->setReadDelay(0);
    tree->setDirectory(temp.path(QStringLiteral("watched")));
    TTreeNode* watched = tree->Selected();
    ASSERT_NE(watched, nullptr);
    tree->ExpandNode(watched);
    ASSERT_TRUE(WaitFor([&] { return tree->WatcherReady(); }));
    int populations = 0;
    list->OnPopulated = [&populations](TSystemListView*) { ++populations; };
    temp.makeFile(QStringLiteral("watched/new.scn"));
    ASSERT_TRUE(WaitFor([&] { return list->Count() == 1; }));
    EXPECT_EQ(list->Item(0)->Caption, QStringLiteral("new.scn"));
    EXPECT_GE(populations, 1);
    EXPECT_TRUE(tree->Selected()->isExpanded());
    EXPECT_EQ(childCaptions(tree->Selected()), QStringList{"child"});
    EXPECT_TRUE(WaitFor([&] { return tree->WatcherReady(); }));
    // A new folder shows up in the tree the same way.
    temp.makeFolder(QStringLiteral("watched/added"));
    EXPECT_TRUE(
        WaitFor([&] { return childCaptions(tree->Selected()).contains(QStringLiteral("added")); }));
}

TEST_F(SystemTreeViewTest, DeletingTheWatchedFolderSelectsItsParent) {
    temp.makeFolder(QStringLiteral("parent/doomed"));
    temp.makeFile(QStringLiteral("parent/keep.scn"));
    makeTree(true);
    tree->setReadDelay(0);
    tree->setDirectory(temp.path(QStringLiteral("parent/doomed")));
    ASSERT_EQ(tree->Selection(), temp.path(QStringLiteral("parent/doomed")));
    ASSERT_TRUE(WaitFor([&] { return tree->WatcherReady(); }));
    ASSERT_TRUE(QDir(temp.path(QStringLiteral("parent/doomed"))).removeRecursively());
    ASSERT_TRUE(WaitFor([&] { return tree->Selection() == temp.path(QStringLiteral("parent")); }));
    EXPECT_EQ(childCaptions(tree->Selected()), QStringList());
    EXPECT_TRUE(WaitFor([&] { return list->Count() == 1; }));
    EXPECT_EQ(list->Item(0)->Caption, QStringLiteral("keep.scn"));
    EXPECT_TRUE(WaitFor([&] { return tree->Watching(); }));
}

TEST_F(SystemTreeViewTest, BackspaceGoesUpAndF5ReadsAgainInTreeAndList) {
    temp.makeFolder(QStringLiteral("outer/inner"));
    makeTree(true);
    tree->setReadDelay(0);
    tree->setDirectory(temp.path(QStringLiteral("outer/inner")));
    temp.makeFile(QStringLiteral("outer/inner/new.scn"));
    QTest::keyClick(tree, Qt::Key_F5);
    EXPECT_EQ(captions(*list), QStringList{QStringLiteral("new.scn")});
    QTest::keyClick(tree, Qt::Key_Backspace);
    EXPECT_EQ(tree->Selection(), temp.path(QStringLiteral("outer")));

    QAbstractItemView* view = list->CurrentView();
    QTest::keyClick(view, Qt::Key_Backspace);
    EXPECT_EQ(SHGetPathFromIDList(list->CurrentID()), temp.path());
    EXPECT_EQ(tree->Selection(), temp.path());
    temp.makeFile(QStringLiteral("late.scn"));
    QTest::keyClick(view, Qt::Key_F5);
    EXPECT_EQ(captions(*list), QStringList{QStringLiteral("late.scn")});
}

TEST_F(SystemTreeViewTest, ImmediateChangesStartNoWatcherDelayedOnesDo) {
    temp.makeFolder(QStringLiteral("a"));
    temp.makeFolder(QStringLiteral("b"));
    makeTree(true);
    tree->setSelected(childNamed(tree->RootNode(), "a"));
    EXPECT_FALSE(tree->Watching());
    EXPECT_FALSE(tree->ImmediateChange());
    tree->setSelected(childNamed(tree->RootNode(), "b"));
    EXPECT_TRUE(tree->ChangeTimerRunning());
    EXPECT_FALSE(tree->Watching());
    EXPECT_TRUE(WaitFor([&] { return tree->Watching(); }, 2000));
    EXPECT_EQ(tree->WatchedNode(), childNamed(tree->RootNode(), "b"));
}

TEST_F(SystemTreeViewTest, ListFollowsTheTreeAndTheTreeFollowsTheList) {
    temp.makeFile(QStringLiteral("outer/inner/deep.scn"));
    makeTree(true);
    list->setShowFolders(true);
    EXPECT_EQ(list->TreeView(), tree);
    EXPECT_EQ(tree->ListView(), list);
    tree->setReadDelay(0);
    tree->setDirectory(temp.path(QStringLiteral("outer")));
    EXPECT_EQ(SHGetPathFromIDList(list->CurrentID()), temp.path(QStringLiteral("outer")));
    ASSERT_EQ(list->Count(), 1);
    list->OpenItem(list->Item(0));
    EXPECT_EQ(tree->Selection(), temp.path(QStringLiteral("outer/inner")));
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(list->Item(0)->Caption, QStringLiteral("deep.scn"));
    delete list;
    list = nullptr;
    EXPECT_EQ(tree->ListView(), nullptr);
}

TEST_F(SystemTreeViewTest, InPlaceRenameGoesToTheFileSystem) {
    temp.makeFolder(QStringLiteral("old/sub"));
    temp.makeFolder(QStringLiteral("taken"));
    makeTree(false);
    tree->setReadOnly(true);
    tree->Rebuild();
    TTreeNode* node = childNamed(tree->RootNode(), "old");
    EXPECT_FALSE(node->flags() & Qt::ItemIsEditable);
    node->setText(0, QStringLiteral("new"));
    EXPECT_EQ(node->text(0), QStringLiteral("old"));
    tree->setReadOnly(false);
    tree->Rebuild();
    node = childNamed(tree->RootNode(), "old");
    EXPECT_TRUE(node->flags() & Qt::ItemIsEditable);
    node->setText(0, QStringLiteral("taken"));
    EXPECT_EQ(node->text(0), QStringLiteral("old"));
    node->setText(0, QStringLiteral("new"));
    EXPECT_EQ(node->text(0), QStringLiteral("new"));
    EXPECT_TRUE(QDir(temp.path(QStringLiteral("new/sub"))).exists());
    EXPECT_EQ(tree->GetNodePath(node), temp.path(QStringLiteral("new")));
    tree->ExpandNode(node);
    EXPECT_EQ(tree->GetNodePath(node->Child(0)), temp.path(QStringLiteral("new/sub")));
}

TEST_F(SystemTreeViewTest, ExpandingAVanishedFolderReportsAndLeavesItClosed) {
    temp.makeFolder(QStringLiteral("gone/child"));
    makeTree(false);
    TTreeNode* gone = childNamed(tree->RootNode(), "gone");
    ASSERT_NE(gone, nullptr);
    ASSERT_TRUE(QDir(temp.path(QStringLiteral("gone"))).removeRecursively());
    QStringList errors;
    TestErrorReporter reporter(
        [&errors](const std::exception& error) { errors << QString::fromUtf8(error.what()); });
    tree->setErrorReporter(&reporter);
    gone->setExpanded(true);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Cannot open folder ") +
                                  temp.path(QStringLiteral("gone"))});
    EXPECT_FALSE(gone->isExpanded());
    EXPECT_EQ(gone->childCount(), 0);
    EXPECT_EQ(gone->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

TEST_F(SystemTreeViewTest, RightButtonSelectsTheNodeAndShowsItsMenu) {
    temp.makeFolder(QStringLiteral("first"));
    temp.makeFolder(QStringLiteral("second"));
    makeTree(false);
    form.resize(300, 300);
    tree->resize(300, 300);
    form.show();
    QApplication::processEvents();
    QStringList shown;
    auto closeMenu = [&shown] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : popup->actions())
                shown << action->text();
            popup->close();
        }
    };
    TTreeNode* second = childNamed(tree->RootNode(), "second");
    const QPoint point = tree->visualItemRect(second).center();
    QTimer::singleShot(100, closeMenu);
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, point);
    EXPECT_EQ(tree->Selected(), second);
    EXPECT_TRUE(shown.contains(QStringLiteral("&Open")));

    tree->setPopupMenuMethod(TPopupMenuMethod::pmmNone);
    shown.clear();
    QTimer::singleShot(100, closeMenu);
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                      tree->visualItemRect(tree->RootNode()).center());
    Settle(200);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(tree->Selected(), second);
}

// Counts the pixels of a colour in a column of the tree's picture between two rows.
int pixelsOf(const QImage& image, const QColor& colour, int x, int top, int bottom) {
    int count = 0;
    for (int y = top; y <= bottom; ++y)
        count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

TEST_F(SystemTreeViewTest, LinesAndButtonsAreDrawnAndSwitchOff) {
    temp.makeFolder(QStringLiteral("first"));
    temp.makeFolder(QStringLiteral("second/inner"));
    makeTree(false);
    tree->setIndent(19);
    form.resize(300, 300);
    tree->resize(300, 300);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TTreeNode* first = childNamed(tree->RootNode(), "first");
    TTreeNode* second = childNamed(tree->RootNode(), "second");
    // "first" turns out empty and loses its button: its column shows the line alone.
    tree->ExpandNode(first);
    ASSERT_EQ(first->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    // Colours as the 8-bit picture holds them.
    const auto colour = [this](QPalette::ColorRole role) {
        return QColor(tree->viewport()->palette().color(role).rgb());
    };
    const QColor lineColour = colour(QPalette::Dark);
    const QColor background = colour(QPalette::Base);
    const QColor textColour = colour(QPalette::Text);
    ASSERT_NE(lineColour, background);
    // The children's own column lies just left of their icons.
    const QRect firstRow = tree->visualItemRect(first);
    const QRect secondRow = tree->visualItemRect(second);
    const int lineX = firstRow.left() - tree->Indent() + tree->Indent() / 2;
    auto picture = [this] {
        QApplication::processEvents();
        return tree->viewport()->grab().toImage();
    };

    QImage image = picture();
    // The vertical line joins "first" to "second" through the whole of "first"'s row.
    EXPECT_GE(pixelsOf(image, lineColour, lineX, firstRow.top(), firstRow.bottom()),
              firstRow.height() / 2 - 1);
    // "second" has a folder inside: a boxed "+" stands on the line.
    const QPoint secondMiddle(lineX, secondRow.top() + secondRow.height() / 2);
    EXPECT_EQ(image.pixelColor(secondMiddle + QPoint(-4, -4)), lineColour); // box corner
    EXPECT_EQ(image.pixelColor(secondMiddle + QPoint(0, -2)),
              textColour); // the "+" upright

    tree->setShowLines(false);
    image = picture();
    EXPECT_EQ(pixelsOf(image, lineColour, lineX, firstRow.top(), firstRow.bottom()), 0);
    EXPECT_EQ(image.pixelColor(secondMiddle + QPoint(-4, -4)), lineColour);

    tree->setShowButtons(false);
    image = picture();
    EXPECT_EQ(pixelsOf(image, lineColour, lineX, secondRow.top(), secondRow.bottom()), 0);
    EXPECT_EQ(image.pixelColor(secondMiddle + QPoint(0, -2)), background);
    // Without a button the place where it stood does not open the folder.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, secondMiddle);
    EXPECT_FALSE(second->isExpanded());
    tree->setShowButtons(true);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, secondMiddle);
    EXPECT_TRUE(second->isExpanded());
    image = picture();
    EXPECT_EQ(image.pixelColor(secondMiddle + QPoint(0, -2)), background); // now a "-"
    EXPECT_EQ(image.pixelColor(secondMiddle + QPoint(-2, 0)), textColour);
}

TEST_F(SystemTreeViewTest, AutomaticDragCarriesTheFolderAsALocalUrl) {
    temp.makeFolder(QStringLiteral("first"));
    makeTree(false);
    tree->setDragMode(TDragMode::dmAutomatic);
    EXPECT_TRUE(tree->dragEnabled());
    TTreeNode* first = childNamed(tree->RootNode(), "first");
    const std::unique_ptr<QMimeData> mime(
        tree->model()->mimeData({tree->model()->index(0, 0, tree->model()->index(0, 0))}));
    ASSERT_EQ(first, tree->RootNode()->Child(0));
    EXPECT_EQ(mime->urls(), QList<QUrl>{QUrl::fromLocalFile(temp.path(QStringLiteral("first")))});
    tree->setDragMode(TDragMode::dmManual);
    EXPECT_FALSE(tree->dragEnabled());
}

TEST(SystemViewLinking, ListFirstThenTreeLinkOnceAndOnlyOnce) {
    QWidget form;
    auto* list = new TSystemListView(&form);
    auto* tree = new TSystemTreeView(&form);
    auto* secondTree = new TSystemTreeView(&form);
    EXPECT_EQ(list->TreeView(), tree);
    EXPECT_EQ(tree->ListView(), list);
    EXPECT_EQ(secondTree->ListView(), nullptr);
    delete tree;
    EXPECT_EQ(list->TreeView(), nullptr);
    // Assigning only stores the link.
    secondTree->setListView(list);
    EXPECT_EQ(list->TreeView(), nullptr);
}

TEST(DefaultTreeCompare, AbsentNodesAndNodesWithoutData) {
    TTreeNode a;
    TTreeNode b;
    EXPECT_EQ(DefaultTreeCompare(&a, &a), 0);
    EXPECT_EQ(DefaultTreeCompare(nullptr, &a), -1);
    EXPECT_EQ(DefaultTreeCompare(&a, nullptr), 1);
    EXPECT_EQ(DefaultTreeCompare(&a, &b), 0);
}

} // namespace
