#include "MainMenus.h"

#include "GlyphStrip.h"
#include "MenuItems.h"
#include "OfficeMenus.h"

#include <QKeySequence>
#include <map>

namespace {

TMenuItem* createItem(const TCommandRow& row, TOwnerDrawPopupMenu* menu, QWidget* owner) {
    if (!menu)
        return new TMenuItem(QString(), owner);
    if (row.SeparatorBefore)
        menu->AddItem(QStringLiteral("-"))->setGroupIndex(row.GroupIndex);
    return menu->AddItem(CaptionOf(row), MenuGlyphTag(row.Glyph));
}

void setUp(TMenuItem* item, const TCommandRow& row) {
    item->setGroupIndex(row.GroupIndex);
    item->setCheckable(row.Check != TCheckStyle::None);
    item->setRadioItem(row.Check == TCheckStyle::Radio);
    item->setChecked(row.Checked);
    item->setEnabled(CommandEnabled(TCommandState{}, row.Group));
    const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(row.Keys));
    if (!keys.isEmpty())
        item->setShortCut(keys.front());
}

} // namespace

TMainMenus CreateMainMenus(QWidget* owner) {
    TMainMenus m{};
    m.MenuGlyphs = new TGlyphStrip(owner);
    m.MenuGlyphs->setPicture(ProgramPictures::load(TPicture::MenuGlyphs));
    m.MenuGlyphs->setCols(MenuGlyphCount);
    m.MenuGlyphs->setRows(1);

    m.FileMenu = new TOfficePopupMenu(owner);
    m.EditMenu = new TOfficePopupMenu(owner);
    m.ScenarioMenu = new TOfficePopupMenu(owner);
    m.ViewMenu = new TOfficePopupMenu(owner);
    m.HelpMenu = new TOfficePopupMenu(owner);
    m.VersionPopup = new TOfficePopupMenu(owner);
    for (TOfficePopupMenu* menu : {m.FileMenu, m.EditMenu, m.ScenarioMenu, m.ViewMenu, m.HelpMenu})
        menu->setGlyphs(m.MenuGlyphs);

    std::map<TMenuPlace, TOwnerDrawPopupMenu*> menus{{TMenuPlace::File, m.FileMenu},
                                                     {TMenuPlace::Edit, m.EditMenu},
                                                     {TMenuPlace::Scenario, m.ScenarioMenu},
                                                     {TMenuPlace::View, m.ViewMenu},
                                                     {TMenuPlace::Help, m.HelpMenu},
                                                     {TMenuPlace::VersionPopup, m.VersionPopup}};
    for (const TCommandRow& row : MainCommands()) {
        const auto place = menus.find(row.Menu);
        TMenuItem* item = createItem(row, place == menus.end() ? nullptr : place->second, owner);
        setUp(item, row);
        if (row.Submenu != TMenuPlace::None)
            menus[row.Submenu] = place->second->AddSubmenu(item);
        m.Items[static_cast<std::size_t>(row.Id)] = item;
    }
    return m;
}
