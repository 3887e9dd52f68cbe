#include "DemoMenus.h"

#include "GlyphStrip.h"
#include "MenuItems.h"

namespace {

TMenuItem* add(TOfficePopupMenu* menu, const char* caption, int tag = 0, bool enabled = true) {
    TMenuItem* item = menu->AddItem(QString::fromUtf8(caption), tag);
    item->setEnabled(enabled);
    return item;
}

} // namespace

TDemoMenus TDemoMenus::create(QWidget* owner, TGlyphStrip* glyphs) {
    TDemoMenus menus;
    menus.fileMenu = new TOfficePopupMenu(owner);
    menus.scenarioMenu = new TOfficePopupMenu(owner);
    menus.viewMenu = new TOfficePopupMenu(owner);
    menus.helpMenu = new TOfficePopupMenu(owner);
    menus.versionPopup = new TOfficePopupMenu(owner);
    for (TOfficePopupMenu* menu : {menus.fileMenu, menus.scenarioMenu, menus.viewMenu, menus.helpMenu})
        menu->setGlyphs(glyphs);

    add(menus.fileMenu, "&New", 1);
    add(menus.fileMenu, "&Open...", 2);
    add(menus.fileMenu, "&Save", 3);
    add(menus.fileMenu, "Save &As...");
    add(menus.fileMenu, "-");
    add(menus.fileMenu, "E&xit");

    add(menus.scenarioMenu, "&Add", 4, false);
    add(menus.scenarioMenu, "&Remove", 5, false);
    add(menus.scenarioMenu, "-");
    add(menus.scenarioMenu, "&Replace", 6, false);
    add(menus.scenarioMenu, "&Insert After...", 7, false);
    add(menus.scenarioMenu, "-");
    add(menus.scenarioMenu, "&Save to File...", 8, false);
    add(menus.scenarioMenu, "-");
    TMenuItem* version = add(menus.scenarioMenu, "&Set to Version...", 0, false);
    TOwnerDrawPopupMenu* versions = menus.scenarioMenu->AddSubmenu(version);
    versions->AddItem("Quorvane - &Trial Version (1.10)")->setEnabled(false);
    versions->AddItem("&Quorvane (1.11)")->setEnabled(false);
    versions->AddItem("&Meltharn (1.18)")->setEnabled(false);

    menus.toolbarItem = add(menus.viewMenu, "&Toolbar");
    menus.toolbarItem->setCheckable(true);
    menus.toolbarItem->setChecked(true);
    menus.statusBarItem = add(menus.viewMenu, "Status &Bar");
    menus.statusBarItem->setGroupIndex(2);
    menus.statusBarItem->setCheckable(true);
    menus.statusBarItem->setChecked(true);
    add(menus.viewMenu, "-");
    const char* views[] = {"Lar&ge Icons", "S&mall Icons", "&List", "&Detials"};
    for (int i = 0; i < 4; ++i) {
        TMenuItem* item = add(menus.viewMenu, views[i], 10 + i);
        item->setGroupIndex(2);
        item->setRadioItem(true);
        menus.viewItems[i] = item;
    }
    menus.viewItems[3]->setChecked(true);
    add(menus.viewMenu, "-")->setGroupIndex(2);
    add(menus.viewMenu, "&Options", 9)->setGroupIndex(2);

    add(menus.helpMenu, "&Contents", 15);
    add(menus.helpMenu, "-");
    add(menus.helpMenu, "&Quorvane Heaven", 17);
    add(menus.helpMenu, "&Meltharn Heaven", 17);
    add(menus.helpMenu, "-");
    add(menus.helpMenu, "&About...", 16);

    add(menus.versionPopup, "Quorvane - &Trial Version (1.10)");
    add(menus.versionPopup, "&Quorvane (1.11)");
    add(menus.versionPopup, "&Meltharn (1.18)");
    return menus;
}
