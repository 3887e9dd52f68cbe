// The file list's order: natural name order as the folder hands it out.
#include "EventLoop.h"
#include "ExplorerViewsSupport.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "SystemListView.h"
#include "TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

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

} // namespace
