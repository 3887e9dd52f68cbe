#pragma once

#include "MainCommands.h"

#include <array>

class QWidget;
class TGlyphStrip;
class TMenuItem;
class TOfficePopupMenu;

// The main window's six popup menus, built from the command table: every command has one
// item, the action its toolbar control follows (the version button's command has an item that
// no menu shows). The window wires the items to the handlers.
struct TMainMenus {
    TGlyphStrip* MenuGlyphs;
    TOfficePopupMenu* FileMenu;
    TOfficePopupMenu* EditMenu;
    TOfficePopupMenu* ScenarioMenu;
    TOfficePopupMenu* ViewMenu;
    TOfficePopupMenu* HelpMenu;
    TOfficePopupMenu* VersionPopup;
    std::array<TMenuItem*, CommandCount> Items;

    TMenuItem* Item(TCommandId id) const { return Items[static_cast<std::size_t>(id)]; }
};

// Builds the menus, owned by owner; the glyph strip comes from the program's pictures.
TMainMenus CreateMainMenus(QWidget* owner);
