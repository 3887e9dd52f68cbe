#include "MainCommands.h"

#include "CampaignCommands.h"
#include "GoToWeb.h"
#include "Main.h"
#include "ScenarioCommands.h"
#include "SystemListView.h"

namespace {

// Each table has one row per command, in the order of TCommandId.
template <std::size_t N>
constexpr bool rowsFollowTheirIds(const TCommandRow (&rows)[N]) {
    if (N != CommandCount)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].Id) != i)
            return false;
    return true;
}

using enum TCommandId;
constexpr std::nullopt_t Separator = std::nullopt;

constexpr std::optional<TCommandId> ToolbarOrder[] = {
    New,     Open,      Save,         Separator,  Add,  Remove,  Separator, Replace,
    Insert,  Separator, SaveScn,      Separator,  ApplyVersion, Separator, Options, Separator,
    LargeIcons, SmallIcons, List,     Details,    Separator,    Contents,
};

} // namespace

std::span<const TCommandRow> MainCommands() {
    using enum TMenuPlace;
    using TCommandGroup::Add;
    using TCommandGroup::Entry;
    using TCheckStyle::Check;
    using TCheckStyle::Radio;
    static constexpr TCommandRow Rows[] = {
        {.Id = New, .Menu = File, .Caption = "&New", .Glyph = TMenuGlyph::BlankPage, .Hint = "New",
         .Picture = TPicture::ToolbarNew, .Control = TToolbarControl::PushButton,
         .Handler = [](TForm1& w) { w.CampaignCommands().NewItemClick(); }},
        {.Id = Open, .Menu = File, .Caption = "&Open...", .Glyph = TMenuGlyph::OpeningFolder,
         .Hint = "Open", .Picture = TPicture::ToolbarOpen,
         .Handler = [](TForm1& w) { w.CampaignCommands().OpenItemClick(); }},
        {.Id = Save, .Menu = File, .Caption = "&Save", .Glyph = TMenuGlyph::FloppyDisk, .Hint = "Save",
         .Picture = TPicture::ToolbarSave,
         .Handler = [](TForm1& w) { w.CampaignCommands().SaveItemClick(); }},
        {.Id = SaveAs, .Menu = File, .Caption = "Save &As...",
         .Handler = [](TForm1& w) { w.CampaignCommands().SaveAsItemClick(); }},
        {.Id = Exit, .Menu = File, .SeparatorBefore = true, .Caption = "E&xit",
         .Handler = [](TForm1& w) { w.close(); }},

        {.Id = TCommandId::Add, .Menu = Scenario, .Caption = "&Add", .Glyph = TMenuGlyph::AddScenario,
         .Hint = "Add Scenario", .Picture = TPicture::ToolbarAdd, .Group = Add,
         .Handler = [](TForm1& w) { w.AddItemClick(); }},
        {.Id = Remove, .Menu = Scenario, .Caption = "&Remove", .Glyph = TMenuGlyph::RemoveScenario,
         .Hint = "Remove Scenario", .Picture = TPicture::ToolbarRemove, .Group = Entry,
         .Handler = [](TForm1& w) { w.RemoveItemClick(); }},
        {.Id = Replace, .Menu = Scenario, .SeparatorBefore = true, .Caption = "&Replace",
         .Glyph = TMenuGlyph::ReplaceScenario, .Hint = "Replace Scenario",
         .Picture = TPicture::ToolbarReplace, .Group = Entry,
         .Handler = [](TForm1& w) { w.ScenarioCommands().ReplaceItemClick(w.focusedScenario()); }},
        {.Id = Insert, .Menu = Scenario, .Caption = "&Insert After...",
         .Glyph = TMenuGlyph::InsertScenario, .Hint = "Insert Scenario After...",
         .Picture = TPicture::ToolbarInsert, .Group = Entry,
         .Handler = [](TForm1& w) { w.ScenarioCommands().InsertItemClick(w.focusedScenario()); }},
        {.Id = SaveScn, .Menu = Scenario, .SeparatorBefore = true, .Caption = "&Save to File...",
         .Glyph = TMenuGlyph::SaveScenarioToDisk, .Hint = "Save Scenario To Disk",
         .Picture = TPicture::ToolbarSaveScn, .Group = Entry,
         .Handler = [](TForm1& w) { w.ScenarioCommands().SaveScnItemClick(w.focusedScenario()); }},
        {.Id = Version, .Menu = Scenario, .SeparatorBefore = true, .Caption = "&Set to Version...",
         .Submenu = VersionSubmenu, .Group = Entry},
        {.Id = VerQorT, .Menu = VersionSubmenu, .Caption = "Quorvane - &Trial Version (1.10)",
         .Group = Entry, .Handler = [](TForm1& w) { w.SetVersion(TScenarioVersion::Trial110); }},
        {.Id = VerQor, .Menu = VersionSubmenu, .Caption = "&Quorvane (1.11)", .Group = Entry,
         .Handler = [](TForm1& w) { w.SetVersion(TScenarioVersion::Game111); }},
        {.Id = VerMhn, .Menu = VersionSubmenu, .Caption = "&Meltharn (1.18)", .Group = Entry,
         .Handler = [](TForm1& w) { w.SetVersion(TScenarioVersion::Expansion118); }},

        {.Id = Toolbar, .Menu = View, .Caption = "&Toolbar", .Check = Check, .Checked = true,
         .Handler = [](TForm1& w) { w.ToolbarItemClick(); }},
        {.Id = StatusBar, .Menu = View, .Caption = "Status &Bar", .Check = Check, .Checked = true,
         .GroupIndex = 2, .Handler = [](TForm1& w) { w.StatusBarItemClick(); }},
        {.Id = LargeIcons, .Menu = View, .SeparatorBefore = true, .Caption = "Lar&ge Icons",
         .Glyph = TMenuGlyph::LargeIcons, .Check = Radio, .GroupIndex = 2, .Hint = "Large Icons",
         .Picture = TPicture::ToolbarLargeIcons,
         .Handler = [](TForm1& w) { w.ViewStyleClick(TViewStyle::vsIcon); }},
        {.Id = SmallIcons, .Menu = View, .Caption = "S&mall Icons", .Glyph = TMenuGlyph::SmallIcons,
         .Check = Radio, .GroupIndex = 2, .Hint = "Small Icons", .Picture = TPicture::ToolbarSmallIcons,
         .Handler = [](TForm1& w) { w.ViewStyleClick(TViewStyle::vsSmallIcon); }},
        {.Id = List, .Menu = View, .Caption = "&List", .Glyph = TMenuGlyph::ListView, .Check = Radio,
         .GroupIndex = 2, .Hint = "List", .Picture = TPicture::ToolbarList,
         .Handler = [](TForm1& w) { w.ViewStyleClick(TViewStyle::vsList); }},
        {.Id = Details, .Menu = View, .Caption = "&Detials", .Glyph = TMenuGlyph::DetailsView,
         .Check = Radio, .Checked = true, .GroupIndex = 2, .Hint = "Details",
         .Picture = TPicture::ToolbarDetails,
         .Handler = [](TForm1& w) { w.ViewStyleClick(TViewStyle::vsReport); }},
        {.Id = Options, .Menu = View, .SeparatorBefore = true, .Caption = "&Options",
         .Glyph = TMenuGlyph::FormWithPen, .GroupIndex = 2, .Hint = "Options",
         .Picture = TPicture::ToolbarOptions, .Handler = [](TForm1& w) { w.OptionsItemClick(); }},

        // The toolbar's help book opens the manual, as its picture promises.
        {.Id = Contents, .Menu = Help, .Caption = "&Contents", .Glyph = TMenuGlyph::HelpBook,
         .Hint = "Help", .Picture = TPicture::ToolbarHelp,
         .Handler = [](TForm1& w) { w.ContentsItemClick(); }},
        {.Id = QORH, .Menu = Help, .SeparatorBefore = true, .Caption = "&Quorvane Heaven",
         .Glyph = TMenuGlyph::GlobeWithLink, .Handler = [](TForm1& w) { w.QORH->GoToUrl(); }},
        {.Id = MHNH, .Menu = Help, .Caption = "&Meltharn Heaven", .Glyph = TMenuGlyph::GlobeWithLink,
         .Handler = [](TForm1& w) { w.MHNH->GoToUrl(); }},
        {.Id = About, .Menu = Help, .SeparatorBefore = true, .Caption = "&About...",
         .Glyph = TMenuGlyph::QuestionMark, .Handler = [](TForm1& w) { w.AboutItemClick(); }},

        {.Id = QorTVer, .Menu = VersionPopup, .Caption = "Quorvane - &Trial Version (1.10)",
         .Handler = [](TForm1& w) { w.ChooseVersion(TScenarioVersion::Trial110); }},
        {.Id = QorVer, .Menu = VersionPopup, .Caption = "&Quorvane (1.11)",
         .Handler = [](TForm1& w) { w.ChooseVersion(TScenarioVersion::Game111); }},
        {.Id = MhnVer, .Menu = VersionPopup, .Caption = "&Meltharn (1.18)",
         .Handler = [](TForm1& w) { w.ChooseVersion(TScenarioVersion::Expansion118); }},

        // The version button's main part stamps the version it shows.
        {.Id = ApplyVersion, .Hint = "Set Scenario Version", .Control = TToolbarControl::VersionCombo,
         .Group = Entry,
         .Handler = [](TForm1& w) { w.ScenarioCommands().VersionBtnClick(w.focusedScenario()); }},
    };
    static_assert(rowsFollowTheirIds(Rows));
    return Rows;
}

const TCommandRow& CommandRow(TCommandId id) {
    return MainCommands()[static_cast<std::size_t>(id)];
}

std::span<const std::optional<TCommandId>> MainToolbarOrder() {
    return ToolbarOrder;
}
