#include "MainMenus.h"

#include "GlyphStrip.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "QtPrinters.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(MainMenus, ItemsCarryTheirCaptionsGlyphsAndStates) {
    QWidget owner;
    const TMainMenus menus = CreateMainMenus(&owner);
    EXPECT_EQ(menus.MenuGlyphs->Cols(), 17);
    EXPECT_EQ(menus.MenuGlyphs->Width(), 21) << "the 357 x 21 strip from the resources";

    const auto captions = [](TOfficePopupMenu* menu) {
        QStringList texts;
        for (TMenuItem* item : menu->Items())
            texts << item->Caption();
        return texts;
    };
    EXPECT_EQ(captions(menus.FileMenu),
              (QStringList{"&New", "&Open...", "&Save", "Save &As...", "-", "E&xit"}));
    EXPECT_EQ(captions(menus.ViewMenu),
              (QStringList{"&Toolbar", "Status &Bar", "-", "Lar&ge Icons", "S&mall Icons", "&List",
                           "&Detials", "-", "&Options"}));
    EXPECT_EQ(captions(menus.HelpMenu), (QStringList{"&Contents", "-", "&Quorvane Heaven",
                                                     "&Meltharn Heaven", "-", "&About..."}));
    EXPECT_EQ(menus.OpenItem->Tag(), 2);
    EXPECT_EQ(menus.OptionsItem->Tag(), 9);
    EXPECT_EQ(menus.AboutItem->Tag(), 16);
    EXPECT_EQ(menus.MHNHItem->Tag(), 17);
    EXPECT_EQ(menus.SaveAsItem->Tag(), 0);

    EXPECT_FALSE(menus.AddItem->isEnabled());
    for (TMenuItem* item : menus.EntryItems())
        EXPECT_FALSE(item->isEnabled()) << item->Caption().toStdString();
    EXPECT_TRUE(menus.QorTVerItem->isEnabled()) << "the version button's menu is never disabled";
    EXPECT_TRUE(menus.ToolbarItem->isChecked());
    EXPECT_TRUE(menus.StatusBarItem->isChecked());
    EXPECT_TRUE(menus.DetailsItem->isChecked());

    // Checking a view item unchecks the other three and nothing else.
    menus.SmallIconsItem->setChecked(true);
    EXPECT_FALSE(menus.DetailsItem->isChecked());
    EXPECT_TRUE(menus.StatusBarItem->isChecked());
    EXPECT_EQ(menus.VersionItem->Submenu()->Items().size(), 3);
}
