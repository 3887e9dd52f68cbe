#pragma once

#include "CampaignCommands.h"
#include "CommandEnabling.h"
#include "EnumTable.h"
#include "ProgramPictures.h"
#include "ScenarioCommands.h"
#include "ScenarioPayload.h"
#include "SystemListView.h"

#include <QCoreApplication>
#include <array>
#include <cstddef>
#include <optional>
#include <qnamespace.h>
#include <span>

// Every command of the main window, by the name of its menu item (`AddItem` is Add) or, for
// the version button's main part, of what it does.
enum class TCommandId {
    New,
    Open,
    Save,
    SaveAs,
    Exit,
    Undo,
    Redo,
    Add,
    Remove,
    Replace,
    Insert,
    SaveScn,
    Version,
    VerQorT,
    VerQor,
    VerMhn,
    MoveUp,
    MoveDown,
    Rename,
    SaveAll,
    CheckCampaign,
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
enum class TMenuPlace { None, File, Edit, Scenario, VersionSubmenu, View, Help, VersionPopup };

// How an item shows a mark: a check item toggles when chosen; of the radio items of one menu
// and group index exactly one is checked, and their toolbar buttons form one group.
enum class TCheckStyle { None, Check, Radio };

// The kind of a command's toolbar control.
enum class TToolbarControl { GlyphButton, PushButton, VersionCombo };

// What the commands' handlers call: the main window, its command objects and the row of the
// scenario list that has the focus.
class TCommandTarget {
public:
    virtual ~TCommandTarget() = default;
    virtual TCampaignCommands& CampaignCommands() = 0;
    virtual TScenarioCommands& ScenarioCommands() = 0;
    virtual std::optional<int> FocusedScenario() const = 0;
    virtual void ExitItemClick() = 0;
    virtual void UndoItemClick() = 0;
    virtual void RedoItemClick() = 0;
    // Move Up (-1) and Move Down (+1): the focused row changes places with its neighbour.
    virtual void MoveItemClick(int step) = 0;
    // Opens the focused row's name for editing in place.
    virtual void RenameItemClick() = 0;
    // Shows what the check finds in the campaign as it is now.
    virtual void CheckItemClick() = 0;
    virtual void AddItemClick() = 0;
    virtual void RemoveItemClick() = 0;
    virtual void setVersion(TScenarioVersion version) = 0;
    virtual void ChooseVersion(TScenarioVersion version) = 0;
    virtual void ViewStyleClick(TViewStyle style) = 0;
    virtual void ToolbarItemClick() = 0;
    virtual void StatusBarItemClick() = 0;
    virtual void OptionsItemClick() = 0;
    virtual void ContentsItemClick() = 0;
    virtual void QORHItemClick() = 0;
    virtual void MHNHItemClick() = 0;
    virtual void AboutItemClick() = 0;
};

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
    void (*Handler)(TCommandTarget& window) = nullptr;
    // A key (Qt::Key) that chooses the item when it is released in the scenario list, whatever
    // modifiers are held, while the command is enabled; 0 for none. The menus show no
    // shortcuts: the key belongs to the list.
    int Shortcut = 0;
    // Keys that choose the item anywhere in the window while the command is enabled, as
    // QKeySequence reads them ("Ctrl+Y; Ctrl+Shift+Z"); the menu shows the first.
    const char* Keys = "";
};

// A submenu opens from an item of a menu, before any row placed in it: the menus are built
// row by row, so a row's menu always stands when the row comes.
constexpr bool SubmenusOpenBeforeTheirRows(std::span<const TCommandRow> rows) {
    constexpr std::size_t places = static_cast<std::size_t>(TMenuPlace::VersionPopup) + 1;
    std::array<bool, places> isSubmenu{};
    std::array<bool, places> opened{};
    for (const TCommandRow& row : rows)
        isSubmenu[static_cast<std::size_t>(row.Submenu)] = row.Submenu != TMenuPlace::None;
    for (const TCommandRow& row : rows) {
        const auto menu = static_cast<std::size_t>(row.Menu);
        if (isSubmenu[menu] && !opened[menu])
            return false;
        if (row.Submenu != TMenuPlace::None) {
            if (row.Menu == TMenuPlace::None)
                return false;
            opened[static_cast<std::size_t>(row.Submenu)] = true;
        }
    }
    return true;
}

// The command table: one row per command, in the order of TCommandId (the build stops if a
// row is missing or out of place, or a submenu's rows come before it).
inline std::span<const TCommandRow> MainCommands() {
    using enum TCommandId;
    using enum TMenuPlace;
    using TCheckStyle::Check;
    using TCheckStyle::Radio;
    using TCommandGroup::Entry;
    static constexpr TCommandRow Rows[] = {
        {.Id = New,
         .Menu = File,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&New"),
         .Glyph = TMenuGlyph::BlankPage,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "New"),
         .Picture = TPicture::ToolbarNew,
         .Control = TToolbarControl::PushButton,
         .Handler = [](TCommandTarget& w) { w.CampaignCommands().NewItemClick(); }},
        {.Id = Open,
         .Menu = File,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Open..."),
         .Glyph = TMenuGlyph::OpeningFolder,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Open"),
         .Picture = TPicture::ToolbarOpen,
         .Handler = [](TCommandTarget& w) { w.CampaignCommands().OpenItemClick(); }},
        {.Id = Save,
         .Menu = File,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Save"),
         .Glyph = TMenuGlyph::FloppyDisk,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Save"),
         .Picture = TPicture::ToolbarSave,
         .Handler = [](TCommandTarget& w) { w.CampaignCommands().SaveItemClick(); }},
        {.Id = SaveAs,
         .Menu = File,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Save &As..."),
         .Handler = [](TCommandTarget& w) { w.CampaignCommands().SaveAsItemClick(); }},
        {.Id = Exit,
         .Menu = File,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "E&xit"),
         .Handler = [](TCommandTarget& w) { w.ExitItemClick(); }},

        // The captions name the step they undo or redo, as the campaign's history tells.
        {.Id = Undo,
         .Menu = Edit,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Undo"),
         .Glyph = TMenuGlyph::UndoArrow,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Undo"),
         .Picture = TPicture::ToolbarUndo,
         .Group = TCommandGroup::Undo,
         .Handler = [](TCommandTarget& w) { w.UndoItemClick(); },
         .Keys = "Ctrl+Z"},
        {.Id = Redo,
         .Menu = Edit,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Redo"),
         .Glyph = TMenuGlyph::RedoArrow,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Redo"),
         .Picture = TPicture::ToolbarRedo,
         .Group = TCommandGroup::Redo,
         .Handler = [](TCommandTarget& w) { w.RedoItemClick(); },
         .Keys = "Ctrl+Y; Ctrl+Shift+Z"},

        {.Id = Add,
         .Menu = Scenario,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Add"),
         .Glyph = TMenuGlyph::AddScenario,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Add Scenario"),
         .Picture = TPicture::ToolbarAdd,
         .Group = TCommandGroup::Add,
         .Handler = [](TCommandTarget& w) { w.AddItemClick(); }},
        {.Id = Remove,
         .Menu = Scenario,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Remove"),
         .Glyph = TMenuGlyph::RemoveScenario,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Remove Scenario"),
         .Picture = TPicture::ToolbarRemove,
         .Group = Entry,
         .Handler = [](TCommandTarget& w) { w.RemoveItemClick(); },
         .Shortcut = Qt::Key_Delete},
        {.Id = Replace,
         .Menu = Scenario,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Replace"),
         .Glyph = TMenuGlyph::ReplaceScenario,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Replace Scenario"),
         .Picture = TPicture::ToolbarReplace,
         .Group = Entry,
         .Handler =
             [](TCommandTarget& w) { w.ScenarioCommands().ReplaceItemClick(w.FocusedScenario()); }},
        {.Id = Insert,
         .Menu = Scenario,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Insert After..."),
         .Glyph = TMenuGlyph::InsertScenario,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Insert Scenario After..."),
         .Picture = TPicture::ToolbarInsert,
         .Group = Entry,
         .Handler =
             [](TCommandTarget& w) { w.ScenarioCommands().InsertItemClick(w.FocusedScenario()); }},
        {.Id = SaveScn,
         .Menu = Scenario,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Save to File..."),
         .Glyph = TMenuGlyph::SaveScenarioToDisk,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Save Scenario To Disk"),
         .Picture = TPicture::ToolbarSaveScn,
         .Group = Entry,
         .Handler =
             [](TCommandTarget& w) { w.ScenarioCommands().SaveScnItemClick(w.FocusedScenario()); }},
        {.Id = Version,
         .Menu = Scenario,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Set to Version..."),
         .Submenu = VersionSubmenu,
         .Group = Entry},
        {.Id = VerQorT,
         .Menu = VersionSubmenu,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Quorvane - &Trial Version (1.10)"),
         .Group = Entry,
         .Handler = [](TCommandTarget& w) { w.setVersion(TScenarioVersion::Trial110); }},
        {.Id = VerQor,
         .Menu = VersionSubmenu,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Quorvane (1.11)"),
         .Group = Entry,
         .Handler = [](TCommandTarget& w) { w.setVersion(TScenarioVersion::Game111); }},
        {.Id = VerMhn,
         .Menu = VersionSubmenu,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Meltharn (1.18)"),
         .Group = Entry,
         .Handler = [](TCommandTarget& w) { w.setVersion(TScenarioVersion::Expansion118); }},
        {.Id = MoveUp,
         .Menu = Scenario,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Move &Up"),
         .Group = TCommandGroup::MoveUp,
         .Handler = [](TCommandTarget& w) { w.MoveItemClick(-1); },
         .Keys = "Ctrl+Shift+Up"},
        {.Id = MoveDown,
         .Menu = Scenario,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Move &Down"),
         .Group = TCommandGroup::MoveDown,
         .Handler = [](TCommandTarget& w) { w.MoveItemClick(1); },
         .Keys = "Ctrl+Shift+Down"},
        {.Id = Rename,
         .Menu = Scenario,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Re&name"),
         .Group = Entry,
         .Handler = [](TCommandTarget& w) { w.RenameItemClick(); },
         .Keys = "F2"},
        {.Id = SaveAll,
         .Menu = Scenario,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Save &All to Folder..."),
         .Group = TCommandGroup::Scenarios,
         .Handler = [](TCommandTarget& w) { w.ScenarioCommands().SaveAllItemClick(); }},
        {.Id = CheckCampaign,
         .Menu = Scenario,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Check &Campaign..."),
         .Handler = [](TCommandTarget& w) { w.CheckItemClick(); }},

        {.Id = Toolbar,
         .Menu = View,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Toolbar"),
         .Check = Check,
         .Checked = true,
         .Handler = [](TCommandTarget& w) { w.ToolbarItemClick(); }},
        {.Id = StatusBar,
         .Menu = View,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Status &Bar"),
         .Check = Check,
         .Checked = true,
         .GroupIndex = 2,
         .Handler = [](TCommandTarget& w) { w.StatusBarItemClick(); }},
        {.Id = LargeIcons,
         .Menu = View,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Lar&ge Icons"),
         .Glyph = TMenuGlyph::LargeIcons,
         .Check = Radio,
         .GroupIndex = 2,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Large Icons"),
         .Picture = TPicture::ToolbarLargeIcons,
         .Handler = [](TCommandTarget& w) { w.ViewStyleClick(TViewStyle::vsIcon); }},
        {.Id = SmallIcons,
         .Menu = View,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "S&mall Icons"),
         .Glyph = TMenuGlyph::SmallIcons,
         .Check = Radio,
         .GroupIndex = 2,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Small Icons"),
         .Picture = TPicture::ToolbarSmallIcons,
         .Handler = [](TCommandTarget& w) { w.ViewStyleClick(TViewStyle::vsSmallIcon); }},
        {.Id = List,
         .Menu = View,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&List"),
         .Glyph = TMenuGlyph::ListView,
         .Check = Radio,
         .GroupIndex = 2,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "List"),
         .Picture = TPicture::ToolbarList,
         .Handler = [](TCommandTarget& w) { w.ViewStyleClick(TViewStyle::vsList); }},
        {.Id = Details,
         .Menu = View,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Detials"),
         .Glyph = TMenuGlyph::DetailsView,
         .Check = Radio,
         .Checked = true,
         .GroupIndex = 2,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Details"),
         .Picture = TPicture::ToolbarDetails,
         .Handler = [](TCommandTarget& w) { w.ViewStyleClick(TViewStyle::vsReport); }},
        {.Id = Options,
         .Menu = View,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Options"),
         .Glyph = TMenuGlyph::FormWithPen,
         .GroupIndex = 2,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Options"),
         .Picture = TPicture::ToolbarOptions,
         .Handler = [](TCommandTarget& w) { w.OptionsItemClick(); }},

        // The toolbar's help book opens the manual, as its picture promises.
        {.Id = Contents,
         .Menu = Help,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Contents"),
         .Glyph = TMenuGlyph::HelpBook,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Help"),
         .Picture = TPicture::ToolbarHelp,
         .Handler = [](TCommandTarget& w) { w.ContentsItemClick(); }},
        {.Id = QORH,
         .Menu = Help,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Quorvane Heaven"),
         .Glyph = TMenuGlyph::GlobeWithLink,
         .Handler = [](TCommandTarget& w) { w.QORHItemClick(); }},
        {.Id = MHNH,
         .Menu = Help,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Meltharn Heaven"),
         .Glyph = TMenuGlyph::GlobeWithLink,
         .Handler = [](TCommandTarget& w) { w.MHNHItemClick(); }},
        {.Id = About,
         .Menu = Help,
         .SeparatorBefore = true,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&About..."),
         .Glyph = TMenuGlyph::QuestionMark,
         .Handler = [](TCommandTarget& w) { w.AboutItemClick(); }},

        {.Id = QorTVer,
         .Menu = VersionPopup,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "Quorvane - &Trial Version (1.10)"),
         .Handler = [](TCommandTarget& w) { w.ChooseVersion(TScenarioVersion::Trial110); }},
        {.Id = QorVer,
         .Menu = VersionPopup,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Quorvane (1.11)"),
         .Handler = [](TCommandTarget& w) { w.ChooseVersion(TScenarioVersion::Game111); }},
        {.Id = MhnVer,
         .Menu = VersionPopup,
         .Caption = QT_TRANSLATE_NOOP("MainCommands", "&Meltharn (1.18)"),
         .Handler = [](TCommandTarget& w) { w.ChooseVersion(TScenarioVersion::Expansion118); }},

        // The version button's main part stamps the version it shows.
        {.Id = ApplyVersion,
         .Hint = QT_TRANSLATE_NOOP("MainCommands", "Set Scenario Version"),
         .Control = TToolbarControl::VersionCombo,
         .Group = Entry,
         .Handler =
             [](TCommandTarget& w) { w.ScenarioCommands().VersionBtnClick(w.FocusedScenario()); }},
    };
    static_assert(RowsFollowTheirEnum(Rows, CommandCount));
    static_assert(SubmenusOpenBeforeTheirRows(Rows));
    return Rows;
}

inline const TCommandRow& CommandRow(TCommandId id) {
    return MainCommands()[static_cast<std::size_t>(id)];
}

// A row's caption and hint as the user reads them, in the user's language.
inline QString CaptionOf(const TCommandRow& row) {
    return QCoreApplication::translate("MainCommands", row.Caption);
}
inline QString HintOf(const TCommandRow& row) {
    return QCoreApplication::translate("MainCommands", row.Hint);
}

// The command whose shortcut the key is.
inline std::optional<TCommandId> ShortcutCommand(int key) {
    if (key == 0)
        return std::nullopt;
    for (const TCommandRow& row : MainCommands())
        if (row.Shortcut == key)
            return row.Id;
    return std::nullopt;
}

// The standard toolbar's controls left to right; an empty entry is a separator. Undo and Redo
// come last, so that every other control keeps its place.
inline std::span<const std::optional<TCommandId>> MainToolbarOrder() {
    using enum TCommandId;
    constexpr std::nullopt_t Separator = std::nullopt;
    static constexpr std::optional<TCommandId> ToolbarOrder[] = {
        New,        Open,       Save,    Separator, Add,          Remove,    Separator, Replace,
        Insert,     Separator,  SaveScn, Separator, ApplyVersion, Separator, Options,   Separator,
        LargeIcons, SmallIcons, List,    Details,   Separator,    Contents,  Separator, Undo,
        Redo,
    };
    return ToolbarOrder;
}
