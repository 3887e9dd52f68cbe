#pragma once

#include "OfficeMenus.h"

#include <QObject>

class TGlyphStrip;
class TMenuItem;

// The five menus of the main window with their captions, tags and first states, as the demo
// shows them.
struct TDemoMenus {
    TOfficePopupMenu* fileMenu = nullptr;
    TOfficePopupMenu* scenarioMenu = nullptr;
    TOfficePopupMenu* viewMenu = nullptr;
    TOfficePopupMenu* helpMenu = nullptr;
    TOfficePopupMenu* versionPopup = nullptr;

    TMenuItem* toolbarItem = nullptr;
    TMenuItem* statusBarItem = nullptr;
    TMenuItem* viewItems[4] = {};

    // Makes the menus as children of `owner`; the four window menus take their pictures from `glyphs`.
    static TDemoMenus create(QWidget* owner, TGlyphStrip* glyphs);
};
