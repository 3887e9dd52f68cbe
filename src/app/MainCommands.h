#pragma once

#include "CommandEnabling.h"
#include "ProgramPictures.h"

#include <cstddef>
#include <optional>
#include <span>

class TForm1;

// Every command of the main window, by the name of its menu item (`AddItem` is Add) or, for
// the version button's main part, of what it does.
enum class TCommandId {
    New,
    Open,
    Save,
    SaveAs,
    Exit,
    Add,
    Remove,
    Replace,
    Insert,
    SaveScn,
    Version,
    VerQorT,
    VerQor,
    VerMhn,
    Toolbar,
    StatusBar,
    LargeIcons,
    SmallIcons,
    List,
    Details,
    Options,
    Contents,
    QORH,
    MHNH,
    About,
    QorTVer,
    QorVer,
    MhnVer,
    ApplyVersion,
    Count
};

inline constexpr std::size_t CommandCount = static_cast<std::size_t>(TCommandId::Count);

// The popup menus an item can sit in; a command in no menu still has an item, which its
// toolbar control follows.
enum class TMenuPlace { None, File, Scenario, VersionSubmenu, View, Help, VersionPopup };

// How an item shows a mark: a check item toggles when chosen; of the radio items of one menu
// and group index exactly one is checked, and their toolbar buttons form one group.
enum class TCheckStyle { None, Check, Radio };

// The kind of a command's toolbar control.
enum class TToolbarControl { GlyphButton, PushButton, VersionCombo };

// One command: its menu item (menu, separator before it, caption, glyph, mark, group index),
// its toolbar control (hint, picture, kind; its place is in MainToolbarOrder), the group that
// enables it and its handler. Menu items follow the table's order.
struct TCommandRow {
    TCommandId Id;
    TMenuPlace Menu = TMenuPlace::None;
    bool SeparatorBefore = false;
    const char* Caption = "";
    TMenuGlyph Glyph = TMenuGlyph::None;
    TCheckStyle Check = TCheckStyle::None;
    bool Checked = false;
    int GroupIndex = 0;
    // The submenu the item opens; the rows placed in it follow.
    TMenuPlace Submenu = TMenuPlace::None;
    const char* Hint = "";
    std::optional<TPicture> Picture = std::nullopt;
    TToolbarControl Control = TToolbarControl::GlyphButton;
    TCommandGroup Group = TCommandGroup::Always;
    void (*Handler)(TForm1& window) = nullptr;
};

// The rows, one per command, in the order of TCommandId.
std::span<const TCommandRow> MainCommands();
const TCommandRow& CommandRow(TCommandId id);

// The standard toolbar's controls left to right; an empty entry is a separator.
std::span<const std::optional<TCommandId>> MainToolbarOrder();
