#include "MainMenus.h"

#include "GlyphStrip.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "ProgramPictures.h"

namespace {

TMenuItem* add(TOwnerDrawPopupMenu* menu, const QString& caption,
               TMenuGlyph glyph = TMenuGlyph::None) {
    return menu->AddItem(caption, MenuGlyphTag(glyph));
}

TMenuItem* addDisabled(TOwnerDrawPopupMenu* menu, const QString& caption,
                       TMenuGlyph glyph = TMenuGlyph::None) {
    TMenuItem* item = add(menu, caption, glyph);
    item->setEnabled(false);
    return item;
}

TMenuItem* addSeparator(TOwnerDrawPopupMenu* menu) {
    return menu->AddItem(QStringLiteral("-"));
}

// The four view items and the two items after them share group 2 with Status Bar; only the
// view items are radio items.
TMenuItem* addViewItem(TOwnerDrawPopupMenu* menu, const QString& caption, TMenuGlyph glyph) {
    TMenuItem* item = add(menu, caption, glyph);
    item->setGroupIndex(2);
    item->setRadioItem(true);
    return item;
}

} // namespace

TMainMenus CreateMainMenus(QWidget* owner) {
    TMainMenus m{};
    m.MenuGlyphs = new TGlyphStrip(owner);
    m.MenuGlyphs->setPicture(ProgramPictures::load(TPicture::MenuGlyphs));
    m.MenuGlyphs->setCols(MenuGlyphCount);
    m.MenuGlyphs->setRows(1);

    m.FileMenu = new TOfficePopupMenu(owner);
    m.ScenarioMenu = new TOfficePopupMenu(owner);
    m.ViewMenu = new TOfficePopupMenu(owner);
    m.HelpMenu = new TOfficePopupMenu(owner);
    m.VersionPopup = new TOfficePopupMenu(owner);
    for (TOfficePopupMenu* menu : {m.FileMenu, m.ScenarioMenu, m.ViewMenu, m.HelpMenu})
        menu->setGlyphs(m.MenuGlyphs);

    m.NewItem = add(m.FileMenu, QStringLiteral("&New"), TMenuGlyph::BlankPage);
    m.OpenItem = add(m.FileMenu, QStringLiteral("&Open..."), TMenuGlyph::OpeningFolder);
    m.SaveItem = add(m.FileMenu, QStringLiteral("&Save"), TMenuGlyph::FloppyDisk);
    m.SaveAsItem = add(m.FileMenu, QStringLiteral("Save &As..."));
    addSeparator(m.FileMenu);
    m.ExitItem = add(m.FileMenu, QStringLiteral("E&xit"));

    m.AddItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Add"), TMenuGlyph::AddScenario);
    m.RemoveItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Remove"), TMenuGlyph::RemoveScenario);
    addSeparator(m.ScenarioMenu);
    m.ReplaceItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Replace"), TMenuGlyph::ReplaceScenario);
    m.InsertItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Insert After..."), TMenuGlyph::InsertScenario);
    addSeparator(m.ScenarioMenu);
    m.SaveScnItem = addDisabled(m.ScenarioMenu, QStringLiteral("&Save to File..."), TMenuGlyph::SaveScenarioToDisk);
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
    m.LargeIconsItem = addViewItem(m.ViewMenu, QStringLiteral("Lar&ge Icons"), TMenuGlyph::LargeIcons);
    m.SmallIconsItem = addViewItem(m.ViewMenu, QStringLiteral("S&mall Icons"), TMenuGlyph::SmallIcons);
    m.ListItem = addViewItem(m.ViewMenu, QStringLiteral("&List"), TMenuGlyph::ListView);
    m.DetailsItem = addViewItem(m.ViewMenu, QStringLiteral("&Detials"), TMenuGlyph::DetailsView);
    m.DetailsItem->setChecked(true);
    addSeparator(m.ViewMenu)->setGroupIndex(2);
    m.OptionsItem = add(m.ViewMenu, QStringLiteral("&Options"), TMenuGlyph::FormWithPen);
    m.OptionsItem->setGroupIndex(2);

    m.ContentsItem = add(m.HelpMenu, QStringLiteral("&Contents"), TMenuGlyph::HelpBook);
    addSeparator(m.HelpMenu);
    m.QORHItem = add(m.HelpMenu, QStringLiteral("&Quorvane Heaven"), TMenuGlyph::GlobeWithLink);
    m.MHNHItem = add(m.HelpMenu, QStringLiteral("&Meltharn Heaven"), TMenuGlyph::GlobeWithLink);
    addSeparator(m.HelpMenu);
    m.AboutItem = add(m.HelpMenu, QStringLiteral("&About..."), TMenuGlyph::QuestionMark);

    m.QorTVerItem = add(m.VersionPopup, QStringLiteral("Quorvane - &Trial Version (1.10)"));
    m.QorVerItem = add(m.VersionPopup, QStringLiteral("&Quorvane (1.11)"));
    m.MhnVerItem = add(m.VersionPopup, QStringLiteral("&Meltharn (1.18)"));
    return m;
}
