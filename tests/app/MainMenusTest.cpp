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
    EXPECT_EQ(menus.MenuGlyphs->Cols(), MenuGlyphCount);
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
    // Items beyond the original come last, after a separator, so that the others keep their places.
    const QStringList scenarioItems = captions(menus.ScenarioMenu);
    EXPECT_EQ(scenarioItems.mid(0, 3), (QStringList{"&Add", "&Remove", "-"}));
    EXPECT_EQ(scenarioItems.mid(scenarioItems.indexOf("Re&name")),
              (QStringList{"Re&name", "-", "Save &All to Folder...", "Check &Campaign..."}));
    EXPECT_FALSE(menus.Item(TCommandId::SaveAll)->isEnabled()) << "a new campaign is empty";
    EXPECT_EQ(menus.Item(TCommandId::Open)->Tag(), 2);
    EXPECT_EQ(menus.Item(TCommandId::Options)->Tag(), 9);
    EXPECT_EQ(menus.Item(TCommandId::About)->Tag(), 16);
    EXPECT_EQ(menus.Item(TCommandId::MHNH)->Tag(), 17);
    EXPECT_EQ(menus.Item(TCommandId::SaveAs)->Tag(), 0);

    EXPECT_FALSE(menus.Item(TCommandId::Add)->isEnabled());
    int entryItems = 0;
    for (const TCommandRow& row : MainCommands())
        if (row.Group == TCommandGroup::Entry && row.Menu != TMenuPlace::None) {
            ++entryItems;
            EXPECT_FALSE(menus.Item(row.Id)->isEnabled()) << row.Caption;
        }
    EXPECT_EQ(entryItems, 9) << "Remove, Replace, Insert, Save to File, the four version items and Rename";
    EXPECT_TRUE(menus.Item(TCommandId::QorTVer)->isEnabled()) << "the version button's menu is never disabled";
    EXPECT_TRUE(menus.Item(TCommandId::Toolbar)->isChecked());
    EXPECT_TRUE(menus.Item(TCommandId::StatusBar)->isChecked());
    EXPECT_TRUE(menus.Item(TCommandId::Details)->isChecked());

    // Checking a view item unchecks the other three and nothing else.
    menus.Item(TCommandId::SmallIcons)->setChecked(true);
    EXPECT_FALSE(menus.Item(TCommandId::Details)->isChecked());
    EXPECT_TRUE(menus.Item(TCommandId::StatusBar)->isChecked());
    EXPECT_EQ(menus.Item(TCommandId::Version)->Submenu()->Items().size(), 3);
}
