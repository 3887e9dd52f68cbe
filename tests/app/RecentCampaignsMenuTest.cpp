#include "RecentCampaignsMenu.h"

#include "MenuItems.h"
#include "OfficeMenus.h"
#include "TempFolder.h"

#include <QStatusBar>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QStringList captions(const TOfficePopupMenu& menu) {
    QStringList texts;
    for (TMenuItem* item : menu.Items())
        texts << item->Caption();
    return texts;
}

} // namespace

TEST(RecentCampaignsMenu, NumberedItemsAboveExitShowTheirPathWhileHighlighted) {
    TempFolder folder;
    QWidget window;
    QStatusBar statusLine(&window);
    TOfficePopupMenu menu(&window);
    menu.AddItem(QStringLiteral("&Open..."));
    QAction* exitSeparator = menu.AddItem(QStringLiteral("-"));
    menu.AddItem(QStringLiteral("E&xit"));
    TRecentCampaignsMenu recent(&menu, exitSeparator, &statusLine, folder.path("recent"));
    EXPECT_EQ(captions(menu), (QStringList{"&Open...", "-", "E&xit"})) << "no list, no separator";

    recent.Remember("/games/Tom & Jerry.cpn");
    recent.Remember("/games/Caf\xc3\xa9.cpx");
    EXPECT_EQ(captions(menu), (QStringList{"&Open...", "-", "&1 Caf\u00e9.cpx",
                                           "&2 Tom && Jerry.cpn", "-", "E&xit"}));

    QByteArray opened;
    recent.OnOpen = [&](const QByteArray& path) { opened = path; };
    TMenuItem* second = menu.Items()[3];
    emit menu.hovered(second);
    EXPECT_EQ(statusLine.currentMessage(), "/games/Tom & Jerry.cpn");
    emit menu.hovered(menu.Items()[0]);
    EXPECT_EQ(statusLine.currentMessage(), "");
    emit menu.hovered(second);
    emit menu.aboutToHide();
    EXPECT_EQ(statusLine.currentMessage(), "") << "a closed menu leaves no path behind";
    second->Click();
    EXPECT_EQ(opened, "/games/Tom & Jerry.cpn");

    recent.Forget("/games/Tom & Jerry.cpn");
    recent.Forget("/games/Caf\xc3\xa9.cpx");
    EXPECT_EQ(captions(menu), (QStringList{"&Open...", "-", "E&xit"}));
}
