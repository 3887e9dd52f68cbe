// The tree and the list follow a palette change (a dark desktop theme, say) as the chrome
// does; a colour of their own stays.
#include "EventLoop.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TempFolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPalette darkPalette() {
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x28));
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
    return dark;
}

// Pixels of the row's text area that are much lighter than the background.
int lightPixels(const QImage& image, const QRect& row) {
    int count = 0;
    for (int y = row.top(); y <= row.bottom(); ++y)
        for (int x = row.left(); x <= row.right() && x < image.width(); ++x)
            count += image.pixelColor(x, y).lightness() > 160 ? 1 : 0;
    return count;
}

class PaletteFollowing : public ::testing::Test {
protected:
    TempFolder temp;
    QWidget form;
    TSystemTreeView* tree = new TSystemTreeView(&form);
    TSystemListView* list = new TSystemListView(&form);
    const QPalette original = QApplication::palette();

    void SetUp() override {
        temp.makeFolder(QStringLiteral("alpha"));
        temp.makeFile(QStringLiteral("alpha/wide-scenario-name.scn"));
        list->setViewStyle(TViewStyle::vsReport);
        tree->setRootFolder(TRootFolder::rfCustom);
        tree->setCustomDir(temp.path());
        tree->setReadDelay(0);
        form.resize(600, 200);
        tree->setGeometry(0, 0, 250, 200);
        list->setGeometry(250, 0, 350, 200);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        tree->setDirectory(temp.path(QStringLiteral("alpha")));
        ASSERT_EQ(list->Count(), 1);
    }
    void TearDown() override {
        QApplication::setPalette(original);
        delete tree;
        delete list;
        EXPECT_TRUE(WaitFor([] { return TFileChangeThread::RunningCount() == 0; }));
    }

    QImage picture(QAbstractItemView* view) {
        QApplication::processEvents();
        return view->viewport()->grab().toImage();
    }
    static QColor corner(const QImage& image) {
        return image.pixelColor(image.width() - 3, image.height() - 3);
    }
};

TEST_F(PaletteFollowing, ADarkPaletteReachesTreeAndList) {
    QAbstractItemView* listView = list->CurrentView();
    EXPECT_EQ(corner(picture(tree)).rgb(), original.color(QPalette::Base).rgb());
    EXPECT_EQ(corner(picture(listView)).rgb(), original.color(QPalette::Base).rgb());

    const QPalette dark = darkPalette();
    QApplication::setPalette(dark);
    const QImage treeImage = picture(tree);
    const QImage listImage = picture(listView);
    EXPECT_EQ(corner(treeImage).rgb(), dark.color(QPalette::Base).rgb());
    EXPECT_EQ(corner(listImage).rgb(), dark.color(QPalette::Base).rgb());
    EXPECT_EQ(tree->Color(), dark.color(QPalette::Base));
    // Light text on the dark background.
    EXPECT_GT(lightPixels(treeImage, tree->visualItemRect(tree->Selected())), 10);
    EXPECT_GT(lightPixels(listImage, listView->visualRect(list->Model()->index(0, 0))), 10);
}

TEST_F(PaletteFollowing, AnOwnColourStaysThroughAPaletteChange) {
    tree->setColor(QColor(Qt::yellow));
    list->setColor(QColor(Qt::yellow));
    QApplication::setPalette(darkPalette());
    EXPECT_EQ(corner(picture(tree)).rgb(), QColor(Qt::yellow).rgb());
    EXPECT_EQ(corner(picture(list->CurrentView())).rgb(), QColor(Qt::yellow).rgb());
    EXPECT_EQ(list->Color(), QColor(Qt::yellow));
}

} // namespace
