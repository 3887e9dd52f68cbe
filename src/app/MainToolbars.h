#pragma once

#include <array>

class QPushButton;
class TDock;
class TToolbar;
class TToolbarButton;
class TToolbarSep;
struct TMainMenus;

// The menu bar and the standard toolbar of the main window, docked in the top dock's rows 0
// and 1, with every button's hint, picture, initial state and group.
struct TMainToolbars {
    TToolbar* MenuBar;
    TToolbarButton* FileMenuBtn;
    TToolbarButton* ScenarioMenuBtn;
    TToolbarButton* ViewMenuBtn;
    TToolbarButton* HelpMenuBtn;

    TToolbar* Toolbar;
    QPushButton* NewBtn;
    TToolbarButton* OpenBtn;
    TToolbarButton* SaveBtn;
    TToolbarButton* AddBtn;
    TToolbarButton* RemoveBtn;
    TToolbarButton* ReplaceBtn;
    TToolbarButton* InsertBtn;
    TToolbarButton* SaveScnBtn;
    TToolbarButton* VersionBtn;
    TToolbarButton* OptionsBtn;
    TToolbarButton* LargeIconsBtn;
    TToolbarButton* SmallIconsBtn;
    TToolbarButton* ListBtn;
    TToolbarButton* DetailsBtn;
    TToolbarButton* HelpBtn;

    // The entry group's buttons, switched together by the enabling rules.
    std::array<TToolbarButton*, 5> EntryButtons() const {
        return {RemoveBtn, ReplaceBtn, InsertBtn, SaveScnBtn, VersionBtn};
    }
};

TMainToolbars CreateMainToolbars(TDock* topDock, const TMainMenus& menus);
