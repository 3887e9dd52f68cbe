// The explorer under a dark desktop palette, switched while it is on screen: the background
// follows the palette's window colour unless a colour of its own was set, and the names stay
// readable, light on dark.
#include "DarkPalette.h"
#include "EventLoop.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TempFolder.h"

#include <QTest>
#include <gtest/gtest.h>

class ExplorerDarkPalette : public ::testing::Test {
protected:
    void SetUp() override {
        temp.makeFile(QStringLiteral("Kings/Dawn.scn"), 10);
        temp.makeFile(QStringLiteral("Queens/Dusk.scn"), 10);
        temp.makeFile(QStringLiteral("Alpha.scn"), 10);
        tree = new TSystemTreeView(&form);
        list = new TSystemListView(&form);
        tree->setGeometry(0, 0, 200, 200);
        list->setGeometry(200, 0, 300, 200);
        tree->setRootFolder(TRootFolder::rfCustom);
        tree->setCustomDir(temp.path());
        list->setViewStyle(TViewStyle::vsReport);
        list->PopulateFolder(SHGetDesktopFolder(),
                             SHGetDesktopFolder()->ParseDisplayName(temp.path()), false);
        form.resize(500, 200);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override {
        delete tree;
        delete list;
        EXPECT_TRUE(WaitFor([] { return TFileChangeThread::RunningCount() == 0; }));
        Settle(20);
    }

    TempFolder temp;
    QWidget form;
    TSystemTreeView* tree = nullptr;
    TSystemListView* list = nullptr;
};

TEST_F(ExplorerDarkPalette, TheBackgroundFollowsAPaletteSwitchAndTheNamesStayReadable) {
    const TDarkPaletteScope dark;
    Settle(20);
    const QColor base = DarkPalette().color(QPalette::Base);
    EXPECT_EQ(tree->Color(), base);
    EXPECT_EQ(list->Color(), base);

    const QImage treeImage = tree->viewport()->grab().toImage();
    EXPECT_EQ(treeImage.pixelColor(treeImage.width() - 3, treeImage.height() - 3), base);
    const QRect firstRow = tree->visualItemRect(tree->topLevelItem(0));
    EXPECT_GT(LightPixels(treeImage, firstRow), 10) << "the root's name is light on dark";

    QAbstractItemView* view = list->CurrentView();
    const QImage listImage = view->viewport()->grab().toImage();
    EXPECT_EQ(listImage.pixelColor(listImage.width() - 3, listImage.height() - 3), base);
    const QRect row = view->visualRect(view->model()->index(0, 0));
    EXPECT_GT(LightPixels(listImage, row), 10) << "a file's name is light on dark";
}

TEST_F(ExplorerDarkPalette, AColourOfItsOwnStaysThroughAPaletteSwitch) {
    const QColor own(0x12, 0x34, 0x56);
    tree->setColor(own);
    list->setColor(own);
    const TDarkPaletteScope dark;
    Settle(20);
    EXPECT_EQ(tree->Color(), own);
    EXPECT_EQ(list->Color(), own);
    const QImage image = list->CurrentView()->viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), own);
}
