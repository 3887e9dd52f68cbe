// The explorer's folder tree and file list in a real window: deep folders reached by keys,
// folders deleted under it, the keys and the right button both views take.
#include "RealWindow.h"
#include "WindowMap.h"

#include <QDir>

namespace {

using namespace WindowMap;

// The selection's highlight is blue; captions on it are light.
bool isHighlight(QColor colour) {
    return colour.blue() - colour.red() > 60;
}
bool isLight(QColor colour) {
    return colour.red() > 160 && colour.green() > 160 && colour.blue() > 160;
}

class ExplorerInUse : public RealWindow {
protected:
    QImage tree() { return WindowShot(TreeViewport); }
    // The row that shows the selection: the highlight runs across most of the view.
    static int selectedRow(const QImage& tree) {
        for (int row = 0; (row + 1) * TreeRowHeight <= tree.height(); ++row) {
            int highlighted = 0;
            for (int x = 0; x < tree.width(); ++x)
                highlighted += isHighlight(tree.pixelColor(x, row * TreeRowHeight + 2));
            if (highlighted > tree.width() / 2)
                return row;
        }
        return -1;
    }
    // How many pixel columns of the row show light caption pixels on the highlight.
    static int captionColumns(const QImage& tree, int row) {
        int columns = 0;
        for (int x = 0; x < tree.width(); ++x)
            for (int y = row * TreeRowHeight + 3; y < (row + 1) * TreeRowHeight - 3; ++y)
                if (isLight(tree.pixelColor(x, y))) {
                    ++columns;
                    break;
                }
        return columns;
    }
    // Whether a folder icon is drawn at this depth on any row but the selected one.
    static bool iconAtLevel(const QImage& tree, int level) {
        const int selected = selectedRow(tree);
        for (int y = 0; y < tree.height(); ++y)
            for (int x = TreeIconLeft + level * TreeIndent + 2;
                 x < TreeIconLeft + (level + 1) * TreeIndent - 5; ++x)
                if (y / TreeRowHeight != selected && isHighlight(tree.pixelColor(x, y)))
                    return true;
        return false;
    }
    // Selects Home, then walks down to its deepest first folder by Right (expand, then enter).
    void walkDownFromHome(int levels) {
        Driver->Click(At(TreeHome));
        Rest();
        for (int i = 0; i < 2 * levels; ++i) {
            Driver->Key(QStringLiteral("Right"));
            tree();
        }
    }
    bool boxShows(int milliseconds) {
        return Driver->WaitUntil(
            [this] {
                for (const TXWindow& window : Driver->Windows())
                    if (!window.Popup && window.Id != Main().Id)
                        return true;
                return false;
            },
            milliseconds);
    }
};

TEST_F(ExplorerInUse, TheTreeScrollsSidewaysToANodeChosenByKeys) {
    QString deep = Home;
    for (const char* name : {"first level folder", "second level folder", "third level folder",
                             "fourth level folder", "fifth level folder", "sixth level folder",
                             "seventh level folder", "eighth level folder", "ninth level folder"})
        deep = QDir(deep).filePath(QString::fromLatin1(name));
    ASSERT_TRUE(QDir().mkpath(deep));
    Start();
    walkDownFromHome(9);
    const QImage reached = tree();
    const int row = selectedRow(reached);
    EXPECT_EQ(row, 10) << "Desktop, Home, nine levels";
    EXPECT_GT(captionColumns(reached, row), 40) << "the ninth level's caption is in view";

    // Right on a folder without subfolders keeps it selected.
    Driver->Key(QStringLiteral("Right"));
    Driver->SettledShot(Main().Geometry, 700);
    EXPECT_EQ(selectedRow(tree()), row);
}

TEST_F(ExplorerInUse, DeletingAnAncestorOfTheShownFolderSelectsTheNearestFolderLeft) {
    ASSERT_TRUE(QDir(Home).mkpath(QStringLiteral("a/b/c")));
    MakeScenario(QDir(Home).filePath(QStringLiteral("a/keep.scn")), "1.10");
    Start();
    walkDownFromHome(3);
    // The list follows after the read delay, the watcher with it.
    Driver->SettledShot(Main().Geometry, 1500);
    const QImage before = tree();
    ASSERT_EQ(selectedRow(before), 4) << "Desktop, Home, a, b, c";
    ASSERT_TRUE(iconAtLevel(before, 3)) << "b is shown";
    const QRect firstFile(FileListLeft, FileListFirstRow - 6, 120, 12);
    const QImage emptyList = WindowShot(firstFile);

    ASSERT_TRUE(QDir(QDir(Home).filePath(QStringLiteral("a/b"))).removeRecursively());
    EXPECT_TRUE(Driver->WaitUntil([&] { return selectedRow(tree()) == 2; }, 10000))
        << "a, the nearest folder left, is selected";
    EXPECT_FALSE(boxShows(2000)) << "a vanished folder is no error";
    const QImage after = tree();
    EXPECT_FALSE(iconAtLevel(after, 3)) << "b's node is gone";
    EXPECT_FALSE(iconAtLevel(after, 4)) << "c's node is gone";
    EXPECT_NE(WindowShot(firstFile), emptyList) << "the list shows a's scenario";
}

TEST_F(ExplorerInUse, BackspaceGoesUpInBothViewsAndTheRightButtonOpensNoMenu) {
    ASSERT_TRUE(QDir(Home).mkpath(QStringLiteral("a/b")));
    MakeScenario(QDir(Home).filePath(QStringLiteral("a/keep.scn")), "1.10");
    Start();
    walkDownFromHome(1);
    Driver->SettledShot(Main().Geometry, 1500);
    ASSERT_EQ(selectedRow(tree()), 2) << "Desktop, Home, a";
    const QRect listRows(FileListLeft, FileListFirstRow - 6, 300, 40);
    const QImage inA = WindowShot(listRows);
    const auto menuShows = [&] {
        return Driver->WaitUntil([&] { return Driver->TopPopup().has_value(); }, 1000);
    };

    // The editor's explorer has no right-click menus.
    Driver->Click(At(FileListLeft + 20, FileListFirstRow), 3);
    EXPECT_FALSE(menuShows()) << "a file's menu";

    // Backspace in the list shows the parent folder, and the tree follows it.
    Driver->Click(At(FileListLeft + 20, FileListFirstRow));
    Driver->Key(QStringLiteral("BackSpace"));
    EXPECT_TRUE(Driver->WaitUntil([&] { return selectedRow(tree()) == 1; }, 5000)) << "Home";
    Driver->SettledShot(Main().Geometry, 700);
    EXPECT_NE(WindowShot(listRows), inA) << "the list shows Home";

    Driver->Click(At(TreeHome), 3);
    EXPECT_FALSE(menuShows()) << "a folder's menu";
    Driver->Click(At(TreeHome));
    Driver->Key(QStringLiteral("BackSpace"));
    EXPECT_TRUE(Driver->WaitUntil([&] { return selectedRow(tree()) == 0; }, 5000)) << "Desktop";
}

} // namespace
