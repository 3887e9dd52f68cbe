#include "MainMenus.h"

#include "GlyphStrip.h"
#include "MenuItems.h"
#include "OfficeMenus.h"

#include <QImage>

namespace {

TMenuItem* add(TOwnerDrawPopupMenu* menu, const QString& caption, int tag = 0) {
    return menu->AddItem(caption, tag);
}

TMenuItem* addDisabled(TOwnerDrawPopupMenu* menu, const QString& caption, int tag = 0) {
    TMenuItem* item = menu->AddItem(caption, tag);
    item->setEnabled(false);
    return item;
}

TMenuItem* addSeparator(TOwnerDrawPopupMenu* menu) {
    return menu->AddItem(QStringLiteral("-"));
}

// The four view items and the two items after them share group 2 with Status Bar; only the
// view items are radio items.
TMenuItem* addViewItem(TOwnerDrawPopupMenu* menu, const QString& caption, int tag) {
    TMenuItem* item = add(menu, caption, tag);
    item->setGroupIndex(2);
    item->setRadioItem(true);
    return item;
}

} // namespace

TMainMenus CreateMainMenus(QWidget* owner) {
    TMainMenus m{};
    m.MenuGlyphs = new TGlyphStrip(owner);
    m.MenuGlyphs->setPicture(QImage(QStringLiteral(":/pictures/menu-glyphs.png")));
    m.MenuGlyphs->setCols(17);
    m.MenuGlyphs->setRows(1);

    m.FileMenu = new TOfficePopupMenu(owner);
    m.ScenarioMenu = new TOfficePopupMenu(owner);
    m.ViewMenu = new TOfficePopupMenu(owner);
    m.HelpMenu = new TOfficePopupMenu(owner);
    m.VersionPopup = new TOfficePopupMenu(owner);
    for (TOfficePopupMenu* menu : {m.FileMenu, m.ScenarioMenu, m.ViewMenu, m.HelpMenu})
        menu->setGlyphs(m.MenuGlyphs);

    m.NewItem = add(m.FileMenu, QStringLiteral("&New"), 1);
    m.OpenItem = add(m.FileMenu, QStringLiteral("&Open..."), 2);
    m.SaveItem = add(m.FileMenu, QStringLiteral("&Save"), 3);
    m.SaveAsItem = add(m.FileMenu, QStringLiteral("Save &As..."));
    addSeparator(m.FileMenu);
    m.ExitItem = add(m.FileMenu, QStringLiteral("E&xit"));

    m.AddItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Add"), 4);
    m.RemoveItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Remove"), 5);
    addSeparator(m.ScenarioMenu);
    m.ReplaceItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Replace"), 6);
    m.InsertItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Insert After..."), 7);
    addSeparator(m.ScenarioMenu);
    m.SaveScnItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Save to File..."), 8);
    addSeparator(m.ScenarioMenu);
    m.VersionItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Set to Version..."));
    TOwnerDrawPopupMenu* versions = m.ScenarioMenu->AddSubmenu(m.VersionItem);
    m.VerQorTItem = addDisabled(versions, QStringLiteral("Quorvane - &Trial Version (1.10)"));
    m.VerQorItem = addDisabled(versions, QStringLiteral("&Quorvane (1.11)"));
    m.VerMhnItem = addDisabled(versions, QStringLiteral("&Meltharn (1.18)"));

    m.ToolbarItem = add(m.ViewMenu, QStringLiteral("&Toolbar"));
    m.ToolbarItem->setCheckable(true);
    m.ToolbarItem->setChecked(true);
    m.StatusBarItem = add(m.ViewMenu, QStringLiteral("Status &Bar"));
    m.StatusBarItem->setGroupIndex(2);
    m.StatusBarItem->setCheckable(true);
    m.StatusBarItem->setChecked(true);
    addSeparator(m.ViewMenu);
    m.LargeIconsItem = addViewItem(m.ViewMenu, QStringLiteral("Lar&ge Icons"), 10);
    m.SmallIconsItem = addViewItem(m.ViewMenu, QStringLiteral("S&mall Icons"), 11);
    m.ListItem = addViewItem(m.ViewMenu, QStringLiteral("&List"), 12);
    m.DetailsItem = addViewItem(m.ViewMenu, QStringLiteral("&Detials"), 13);
    m.DetailsItem->setChecked(true);
    addSeparator(m.ViewMenu)->setGroupIndex(2);
    m.OptionsItem = add(m.ViewMenu, QStringLiteral("&Options"), 9);
    m.OptionsItem->setGroupIndex(2);

    m.ContentsItem = add(m.HelpMenu, QStringLiteral("&Contents"), 15);
    addSeparator(m.HelpMenu);
    m.QORHItem = add(m.HelpMenu, QStringLiteral("&Quorvane Heaven"), 17);
    m.MHNHItem = add(m.HelpMenu, QStringLiteral("&Meltharn Heaven"), 17);
    addSeparator(m.HelpMenu);
    m.AboutItem = add(m.HelpMenu, QStringLiteral("&About..."), 16);

    m.QorTVerItem = add(m.VersionPopup, QStringLiteral("Quorvane - &Trial Version (1.10)"));
    m.QorVerItem = add(m.VersionPopup, QStringLiteral("&Quorvane (1.11)"));
    m.MhnVerItem = add(m.VersionPopup, QStringLiteral("&Meltharn (1.18)"));
    return m;
}
