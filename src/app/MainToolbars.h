#pragma once

#include "MainCommands.h"

#include <array>

class QWidget;
class TDock;
class TToolbar;
class TToolbarButton;
struct TMainMenus;

// The menu bar and the standard toolbar of the main window, docked in the top dock's rows 0
// and 1. The toolbar's controls come from the command table, in MainToolbarOrder, and each
// follows its command's item: enabled with it, down while it is checked, choosing it when
// clicked.
struct TMainToolbars {
    TToolbar* MenuBar;
    TToolbarButton* FileMenuBtn;
    TToolbarButton* EditMenuBtn;
    TToolbarButton* ScenarioMenuBtn;
    TToolbarButton* ViewMenuBtn;
    TToolbarButton* HelpMenuBtn;

    TToolbar* Toolbar;
    // Each command's control on the toolbar; none for a command without one. New's is the
    // toolkit's push button, the others are toolbar buttons.
    std::array<QWidget*, CommandCount> Controls;

    QWidget* Control(TCommandId id) const { return Controls[static_cast<std::size_t>(id)]; }
    TToolbarButton* Button(TCommandId id) const;
};

TMainToolbars CreateMainToolbars(TDock* topDock, const TMainMenus& menus);
