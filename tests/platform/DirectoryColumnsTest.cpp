#include "DirectoryColumns.h"

#include "QtPaths.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(DirectoryColumns, ValuesReplaceTheDefaultsInOrder) {
    EXPECT_EQ(ParseDirectoryColumnWidths(""), DefaultDirectoryColumnWidths);
    EXPECT_EQ(ParseDirectoryColumnWidths("  "), DefaultDirectoryColumnWidths);
    EXPECT_EQ(ParseDirectoryColumnWidths("200"), (TDirectoryColumnWidths{200, 60, 120, 120, 60}));
    EXPECT_EQ(ParseDirectoryColumnWidths("1, 2,3,4,5,6,7"),
              (TDirectoryColumnWidths{1, 2, 3, 4, 5}));
    EXPECT_EQ(ParseDirectoryColumnWidths("0,65535"),
              (TDirectoryColumnWidths{0, 65535, 120, 120, 60}));
}

TEST(DirectoryColumns, ReadingStopsAtTheFirstBadPiece) {
    EXPECT_EQ(ParseDirectoryColumnWidths("90,wide,30"),
              (TDirectoryColumnWidths{90, 60, 120, 120, 60}));
    EXPECT_EQ(ParseDirectoryColumnWidths("65536,10"), DefaultDirectoryColumnWidths);
    EXPECT_EQ(ParseDirectoryColumnWidths("-5"), DefaultDirectoryColumnWidths);
    EXPECT_EQ(ParseDirectoryColumnWidths("10,,30"), (TDirectoryColumnWidths{10, 60, 120, 120, 60}));
}

TEST(DirectoryColumns, ReadFromTheUsersConfigFolder) {
    TempFolder folder;
    const TXdgFolders xdg{QtPath(folder / "data"), QtPath(folder / "config"), {}, {}};
    EXPECT_EQ(ReadDirectoryColumnWidths(xdg), DefaultDirectoryColumnWidths);
    std::filesystem::create_directories(folder / "config/brindlewick");
    WriteText(folder / "config/brindlewick/explorer.conf", "# widths\nOther=1\n");
    EXPECT_EQ(ReadDirectoryColumnWidths(xdg), DefaultDirectoryColumnWidths);
    WriteText(folder / "config/brindlewick/explorer.conf",
              "# widths\nDirectoryCols=250,70\nDirectoryCols=1,1\n");
    EXPECT_EQ(ReadDirectoryColumnWidths(xdg), (TDirectoryColumnWidths{250, 70, 120, 120, 60}));
    // A folder where the file should be is no file: the defaults stand.
    std::filesystem::remove(folder / "config/brindlewick/explorer.conf");
    std::filesystem::create_directories(folder / "config/brindlewick/explorer.conf");
    EXPECT_EQ(ReadDirectoryColumnWidths(xdg), DefaultDirectoryColumnWidths);
}
