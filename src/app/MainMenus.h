#pragma once

#include <array>

class QWidget;
class TGlyphStrip;
class TMenuItem;
class TOfficePopupMenu;

// The main window's five popup menus with every item's caption, glyph (its Tag), initial state
// and radio group. The window wires the items to its handlers.
struct TMainMenus {
    TGlyphStrip* MenuGlyphs;

    TOfficePopupMenu* FileMenu;
    TMenuItem* NewItem;
    TMenuItem* OpenItem;
    TMenuItem* SaveItem;
    TMenuItem* SaveAsItem;
    TMenuItem* ExitItem;

    TOfficePopupMenu* ScenarioMenu;
    TMenuItem* AddItem;
    TMenuItem* RemoveItem;
    TMenuItem* ReplaceItem;
    TMenuItem* InsertItem;
    TMenuItem* SaveScnItem;
    TMenuItem* VersionItem;
    TMenuItem* VerQorTItem;
    TMenuItem* VerQorItem;
    TMenuItem* VerMhnItem;

    TOfficePopupMenu* ViewMenu;
    TMenuItem* ToolbarItem;
    TMenuItem* StatusBarItem;
    TMenuItem* LargeIconsItem;
    TMenuItem* SmallIconsItem;
    TMenuItem* ListItem;
    TMenuItem* DetailsItem;
    TMenuItem* OptionsItem;

    TOfficePopupMenu* HelpMenu;
    TMenuItem* ContentsItem;
    TMenuItem* QORHItem;
    TMenuItem* MHNHItem;
    TMenuItem* AboutItem;

    TOfficePopupMenu* VersionPopup;
    TMenuItem* QorTVerItem;
    TMenuItem* QorVerItem;
    TMenuItem* MhnVerItem;

    // The entry group's menu items, switched together by the enabling rules.
    std::array<TMenuItem*, 8> EntryItems() const {
        return {RemoveItem,  ReplaceItem, InsertItem, SaveScnItem,
                VersionItem, VerQorTItem, VerQorItem, VerMhnItem};
    }
};

// Builds the menus, owned by owner; the glyph strip comes from the program's pictures.
TMainMenus CreateMainMenus(QWidget* owner);
