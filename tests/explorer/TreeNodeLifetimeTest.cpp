// Tree nodes stay valid across the event loops of message boxes: change notices wait for the
// box to close. Run under AddressSanitizer, a node used after a refresh freed it is caught.
#include "EventLoop.h"
#include "ExplorerViewsSupport.h"
#include "NoticeHold.h"
#include "QtPrinters.h"
#include "RefreshScheduler.h"
#include "SystemTreeView.h"
#include "TempFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TreeNodeLifetime : public ::testing::Test {
protected:
    TempFolder temp;
    QWidget form;
    TSystemTreeView* tree = new TSystemTreeView(&form);

    void SetUp() override {
        tree->setRootFolder(TRootFolder::rfCustom);
        tree->setCustomDir(temp.path());
    }
    void TearDown() override {
        delete tree;
        ExpectViewsLetGo();
    }
};

TEST_F(TreeNodeLifetime, ANoticeDuringTheErrorBoxWaitsUntilTheBoxIsClosed) {
    temp.makeFolder(QStringLiteral("gone/child"));
    temp.makeFolder(QStringLiteral("other"));
    tree->Rebuild();
    tree->setReadDelay(0);
    tree->setSelected(tree->RootNode());
    ASSERT_TRUE(WaitFor([&] { return tree->WatcherReady(); }));
    TTreeNode* gone = childNamed(tree->RootNode(), QStringLiteral("gone"));
    ASSERT_NE(gone, nullptr);

    QStringList inTheBox;
    TestErrorReporter box([&](const std::exception&) {
        // The box's own event loop: the watched root changes meanwhile.
        temp.makeFolder(QStringLiteral("added"));
        Settle(1500);
        inTheBox = childCaptions(tree->RootNode());
    });
    tree->setErrorReporter(&box);
    // The folder vanishes; expanding its node fails and shows the box.
    ASSERT_TRUE(QDir(temp.path(QStringLiteral("gone"))).removeRecursively());
    gone->setExpanded(true);

    EXPECT_EQ(inTheBox, (QStringList{"gone", "other"})) << "no refresh inside the box";
    EXPECT_TRUE(WaitFor([&] {
        return childCaptions(tree->RootNode()) == QStringList({"added", "other"});
    }));
    EXPECT_TRUE(WaitFor([&] { return tree->Watching(); }));
}

TEST_F(TreeNodeLifetime, ReadOnlyChangedAtRunTimeReachesExistingNodes) {
    temp.makeFolder(QStringLiteral("old"));
    tree->setReadOnly(true);
    tree->Rebuild();
    form.resize(300, 300);
    tree->resize(300, 300);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TTreeNode* node = childNamed(tree->RootNode(), QStringLiteral("old"));
    ASSERT_NE(node, nullptr);

    tree->setReadOnly(false);
    EXPECT_TRUE(node->flags() & Qt::ItemIsEditable);
    tree->setFocus();
    tree->setSelected(node);
    QTest::keyClick(tree, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "the editor opens";
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("renamed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits from a queued call
    EXPECT_EQ(node->text(0), QStringLiteral("renamed"));
    EXPECT_TRUE(QDir(temp.path(QStringLiteral("renamed"))).exists());

    tree->setReadOnly(true);
    EXPECT_FALSE(node->flags() & Qt::ItemIsEditable);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F2);
    EXPECT_EQ(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
}

TEST(RefreshDelay, SettlesABurstAndKeepsACalmPace) {
    EXPECT_EQ(RefreshDelay(-1, 150, 1000), 150);
    EXPECT_EQ(RefreshDelay(100, 150, 1000), 900);
    EXPECT_EQ(RefreshDelay(950, 150, 1000), 150);
    EXPECT_EQ(RefreshDelay(5000, 150, 1000), 150);
}

TEST(RefreshScheduler, ABurstIsOneRefreshAndAHoldDefersIt) {
    TRefreshScheduler scheduler;
    int refreshes = 0;
    scheduler.OnRefresh = [&refreshes] { ++refreshes; };
    for (int i = 0; i < 100; ++i)
        scheduler.Notice();
    EXPECT_TRUE(WaitFor([&] { return refreshes == 1; }));
    Settle(300);
    EXPECT_EQ(refreshes, 1);
    {
        const TNoticeHold hold;
        scheduler.Notice();
        Settle(1500);
        EXPECT_EQ(refreshes, 1);
        EXPECT_TRUE(scheduler.Pending());
    }
    EXPECT_TRUE(WaitFor([&] { return refreshes == 2; }));
}

} // namespace
