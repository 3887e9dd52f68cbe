#include "ShellControls.h"

#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "TempFolder.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(GetIconIndexes, FoldersHaveAnOpenIconFilesShareOne) {
    TempFolder temp;
    temp.makeFile(QStringLiteral("a.txt"));
    temp.makeFile(QStringLiteral("b.txt"));
    temp.makeFolder(QStringLiteral("sub"));
    const auto desktop = SHGetDesktopFolder();
    const auto folder = GetIconIndexes(desktop->ParseDisplayName(temp.path(QStringLiteral("sub"))));
    EXPECT_GT(folder.normal, 0);
    EXPECT_GT(folder.open, 0);
    EXPECT_NE(folder.normal, folder.open);
    const auto a = GetIconIndexes(desktop->ParseDisplayName(temp.path(QStringLiteral("a.txt"))));
    const auto b = GetIconIndexes(desktop->ParseDisplayName(temp.path(QStringLiteral("b.txt"))));
    EXPECT_GT(a.normal, 0);
    EXPECT_EQ(a.normal, a.open);
    EXPECT_EQ(a.normal, b.normal);
    EXPECT_FALSE(TSystemImageList::instance().icon(a.normal).isNull());
    EXPECT_EQ(GetIconIndexes(nullptr).normal, -1);
    EXPECT_EQ(GetIconIndexes(desktop->ParseDisplayName(temp.path(QStringLiteral("a.txt")))).open,
              a.open);
}

TEST(GetIconIndexes, OpenZeroBesideAnotherNormalFallsBack) {
    const TIconIndexes fallback = WithOpenFallback({5, 0});
    EXPECT_EQ(fallback.normal, 5);
    EXPECT_EQ(fallback.open, 5);
    EXPECT_EQ(WithOpenFallback({0, 0}).open, 0);
    EXPECT_EQ(WithOpenFallback({5, 7}).open, 7);
}

TEST(SetupImageLists, SharesOneListAtTwoSizes) {
    const TImageListRef small = SetupImageLists(TImageListSize::Small);
    const TImageListRef large = SetupImageLists(TImageListSize::Large);
    EXPECT_EQ(small.list, large.list);
    EXPECT_LT(small.iconSize, large.iconSize);
}

TEST(ShellControls, OwnerWindowFallsBackToParentAndForm) {
    QWidget form;
    QWidget* middle = new QWidget(&form);
    QWidget* control = new QWidget(middle);
    EXPECT_EQ(GetOwnerWindow(control), nullptr); // nothing has a window yet
    form.show();
    EXPECT_EQ(GetOwnerWindow(control), control);
    middle->hide();
    QWidget* late = new QWidget(middle); // not created yet: its parent's window serves
    EXPECT_EQ(GetOwnerWindow(late), middle);
}

} // namespace
