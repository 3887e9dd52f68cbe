#pragma once

#include <QPoint>
#include <QRect>

// Where the main window's controls sit, from its top-left corner, at the window's start-up
// size: the menu bar in the top dock's first row, the standard toolbar in the second (its
// buttons 25 x 25 from x = 8, separators 6 wide, the version button 59 wide), the explorer
// 261 pixels high under a 3-pixel spacer, the scenario list below the 3-pixel splitter.
namespace WindowMap {

inline constexpr int ToolbarTop = 25;

// The toolbar's items left to right: x of each button's left edge.
inline constexpr int NewBtn = 8, OpenBtn = 33, SaveBtn = 58, AddBtn = 89, RemoveBtn = 114,
                     ReplaceBtn = 145, InsertBtn = 170, SaveScnBtn = 201, VersionBtn = 232,
                     OptionsBtn = 297, LargeIconsBtn = 328, SmallIconsBtn = 353, ListBtn = 378,
                     DetailsBtn = 403, HelpBtn = 434, UndoBtn = 465, RedoBtn = 490;

inline constexpr QRect Button(int left, int width = 25) {
    return {left, ToolbarTop, width, 25};
}
inline constexpr QPoint Centre(int left) {
    return {left + 12, ToolbarTop + 12};
}
// The version button: main part 48 wide, then the arrow part.
inline constexpr QPoint VersionMainPart{VersionBtn + 24, ToolbarTop + 12};
inline constexpr QPoint VersionArrow{VersionBtn + 53, ToolbarTop + 12};
inline constexpr QRect VersionButton{VersionBtn, ToolbarTop, 59, 25};
// From Remove to the version button: the Entry group's buttons.
inline constexpr QRect EntryButtons{RemoveBtn, ToolbarTop, VersionBtn + 59 - RemoveBtn, 25};
// The standard toolbar's drag handle, left of its first button.
inline constexpr QPoint ToolbarHandle{4, ToolbarTop + 12};
inline constexpr QRect TopDockArea{0, 0, 754, 52};

// The explorer: the folder tree's first level and the file list's rows.
inline constexpr QPoint TreeHome{78, 83};
// The folder tree's viewport: rows of 18 pixels from the root, each level 19 pixels further
// right, a node's icon 22 pixels in from its level's left edge.
inline constexpr QRect TreeViewport{1, 56, 207, 258};
inline constexpr int TreeRowHeight = 18, TreeIndent = 19, TreeIconLeft = 23;
inline constexpr int FileListLeft = 240, FileListFirstRow = 81;
// The scenario list: its rows below the column headers.
inline constexpr int ScenarioRowHeight = 13;
inline constexpr QPoint ScenarioRow(int row) {
    return {40, 343 + row * ScenarioRowHeight};
}
// The scenario list's rows, to see that a command changed them.
inline constexpr QRect ScenarioRows{0, 336, 754, 150};
// A point where the pointer rests over nothing that reacts: the status bar.
inline constexpr QPoint Resting{300, 520};

} // namespace WindowMap
