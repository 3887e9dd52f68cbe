#include "MainMenus.h"

#include "GlyphStrip.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "QtPrinters.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <map>

namespace {

QStringList captions(const TOwnerDrawPopupMenu* menu) {
    QStringList texts;
    for (TMenuItem* item : menu->Items())
        texts << item->Caption();
    return texts;
}

// What a menu holds by the table: its rows' captions in the table's order, a separator before
// each row that asks for one.
std::map<TMenuPlace, QStringList> captionsByTable() {
    std::map<TMenuPlace, QStringList> menus;
    for (const TCommandRow& row : MainCommands()) {
        if (row.Menu == TMenuPlace::None)
            continue;
        if (row.SeparatorBefore)
            menus[row.Menu] << "-";
        menus[row.Menu] << CaptionOf(row);
    }
    return menus;
}

} // namespace

TEST(MainMenus, ItemsCarryTheirCaptionsGlyphsAndStates) {
    QWidget owner;
    const TMainMenus menus = CreateMainMenus(&owner);
    EXPECT_EQ(menus.MenuGlyphs->Cols(), MenuGlyphCount);
    EXPECT_EQ(menus.MenuGlyphs->Width(), MenuGlyphCell);
    EXPECT_EQ(QSize(menus.MenuGlyphs->Cols() * MenuGlyphCell, MenuGlyphCell),
              ProgramPictures::load(TPicture::MenuGlyphs).size())
        << "one cell per glyph of the strip from the resources";

    using enum TMenuPlace;
    const std::map<TMenuPlace, const TOwnerDrawPopupMenu*> built{
        {File, menus.FileMenu},
        {Edit, menus.EditMenu},
        {Scenario, menus.ScenarioMenu},
        {View, menus.ViewMenu},
        {Help, menus.HelpMenu},
        {VersionPopup, menus.VersionPopup},
        {VersionSubmenu, menus.Item(TCommandId::Version)->Submenu()}};
    for (const auto& [place, texts] : captionsByTable())
        EXPECT_EQ(captions(built.at(place)), texts) << static_cast<int>(place);

    // Items beyond the original come last, after a separator, so that the others keep their places.
    EXPECT_EQ(captions(menus.FileMenu).mid(0, 6),
              (QStringList{"&New", "&Open...", "&Save", "Save &As...", "-", "E&xit"}));
    EXPECT_EQ(captions(menus.ViewMenu).mid(0, 9),
              (QStringList{"&Toolbar", "Status &Bar", "-", "Lar&ge Icons", "S&mall Icons", "&List",
                           "&Detials", "-", "&Options"}));
    EXPECT_EQ(
        captions(menus.HelpMenu).mid(0, 6),
        (QStringList{"&Contents", "-", "&Quorvane Heaven", "&Meltharn Heaven", "-", "&About..."}));
    const QStringList scenarioItems = captions(menus.ScenarioMenu);
    EXPECT_EQ(scenarioItems.mid(0, 3), (QStringList{"&Add", "&Remove", "-"}));
    EXPECT_EQ(scenarioItems.mid(scenarioItems.indexOf("Re&name"), 4),
              (QStringList{"Re&name", "-", "Save &All to Folder...", "Check &Campaign..."}));

    EXPECT_EQ(menus.Item(TCommandId::Open)->Tag(), 2);
    EXPECT_EQ(menus.Item(TCommandId::Options)->Tag(), 9);
    EXPECT_EQ(menus.Item(TCommandId::About)->Tag(), 16);
    EXPECT_EQ(menus.Item(TCommandId::MHNH)->Tag(), 17);
    EXPECT_EQ(menus.Item(TCommandId::SaveAs)->Tag(), 0);

    // A new window has nothing to act on: an item starts enabled exactly when its group is so
    // without a campaign entry, an explorer file, scenarios or history.
    EXPECT_FALSE(menus.Item(TCommandId::SaveAll)->isEnabled()) << "a new campaign is empty";
    EXPECT_FALSE(menus.Item(TCommandId::Add)->isEnabled());
    EXPECT_TRUE(menus.Item(TCommandId::QorTVer)->isEnabled())
        << "the version button's menu is never disabled";
    for (const TCommandRow& row : MainCommands()) {
        const TMenuItem* item = menus.Item(row.Id);
        EXPECT_EQ(item->Tag(), MenuGlyphTag(row.Glyph)) << row.Caption;
        EXPECT_EQ(item->isEnabled(), CommandEnabled(TCommandState{}, row.Group)) << row.Caption;
        EXPECT_FALSE(row.Group == TCommandGroup::Entry && item->isEnabled()) << row.Caption;
        EXPECT_EQ(item->isChecked(), row.Checked) << row.Caption;
    }
    EXPECT_TRUE(menus.Item(TCommandId::Toolbar)->isChecked());
    EXPECT_TRUE(menus.Item(TCommandId::StatusBar)->isChecked());
    EXPECT_TRUE(menus.Item(TCommandId::Details)->isChecked());

    // Checking a view item unchecks the other three and nothing else.
    menus.Item(TCommandId::SmallIcons)->setChecked(true);
    EXPECT_FALSE(menus.Item(TCommandId::Details)->isChecked());
    EXPECT_TRUE(menus.Item(TCommandId::StatusBar)->isChecked());
    EXPECT_EQ(menus.Item(TCommandId::Version)->Submenu()->Items().size(), 3);
}
