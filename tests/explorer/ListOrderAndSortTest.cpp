// The file list's order: natural name order as the folder hands it out, and column sorts
// from the facts gathered when the items were added.
#include "EventLoop.h"
#include "ExplorerViewsSupport.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/time.h>

namespace {

void setModified(const QString& path, long seconds) {
    const timeval times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(path).constData(), times), 0);
}

class ListOrder : public ::testing::Test {
protected:
    TempFolder temp;
    TSystemListView list;

    void show() {
        list.PopulateFolder(SHGetDesktopFolder(), SHGetDesktopFolder()->ParseDisplayName(temp.path()),
                            true);
    }
};

TEST_F(ListOrder, AnUnsortedListIsInNaturalNameOrder) {
    for (const char* name : {"Hotel", "Echo", "alpha", "Golf", "Charlie", "Delta", "Foxtrot",
                             "bravo", "map10", "map9"})
        temp.makeFile(QString::fromLatin1(name) + QStringLiteral(".scn"));
    list.setFileMask(QStringLiteral("*.scn;*.scx"));
    show();
    EXPECT_EQ(list.SortType(), TSortType::stNone);
    EXPECT_EQ(captions(list),
              (QStringList{"alpha.scn", "bravo.scn", "Charlie.scn", "Delta.scn", "Echo.scn",
                           "Foxtrot.scn", "Golf.scn", "Hotel.scn", "map9.scn", "map10.scn"}));
}

TEST_F(ListOrder, ColumnSortsReadNoFile) {
    setModified(temp.makeFile(QStringLiteral("a.scn"), 3000), 3000000);
    setModified(temp.makeFile(QStringLiteral("b.scx"), 10), 1000000);
    setModified(temp.makeFile(QStringLiteral("c.scn"), 500), 2000000);
    show();
    EXPECT_EQ(list.Item(0)->SubItems[1], QStringLiteral("Quorvane scenario"));
    // Gone from the disk after listing: the sorts still know every fact.
    for (const char* name : {"a.scn", "b.scx", "c.scn"})
        ASSERT_TRUE(QFile::remove(temp.path(QString::fromLatin1(name))));
    list.SortByColumn(nullptr, 1);
    EXPECT_EQ(captions(list), (QStringList{"b.scx", "c.scn", "a.scn"}));
    list.SortByColumn(nullptr, 2);
    EXPECT_EQ(captions(list), (QStringList{"b.scx", "a.scn", "c.scn"})) << "Meltharn before Quorvane";
    list.SortByColumn(nullptr, 3);
    EXPECT_EQ(captions(list), (QStringList{"b.scx", "c.scn", "a.scn"}));
    list.SortByColumn(nullptr, 3);
    EXPECT_EQ(captions(list), (QStringList{"a.scn", "c.scn", "b.scx"}));
    list.SortByColumn(nullptr, 0);
    EXPECT_EQ(captions(list), (QStringList{"a.scn", "b.scx", "c.scn"}));
}

} // namespace
