// The command table and the controls built from it: one row per command, every toolbar
// control following its command's item.
#include "CommandDispatcher.h"
#include "MainCommands.h"

#include "Docks.h"
#include "MainMenus.h"
#include "MainToolbars.h"
#include "MenuItems.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

TEST(MainCommands, TheToolbarShowsEachPicturedCommandOnceAndEveryEntryCommandIsListed) {
    std::multiset<TCommandId> onToolbar;
    for (const std::optional<TCommandId>& id : MainToolbarOrder())
        if (id)
            onToolbar.insert(*id);
    std::set<TCommandId> entry;
    for (const TCommandRow& row : MainCommands()) {
        const bool hasControl = row.Picture || row.Control == TToolbarControl::VersionCombo;
        EXPECT_EQ(onToolbar.count(row.Id), hasControl ? 1u : 0u) << row.Caption;
        EXPECT_TRUE(row.Handler || row.Submenu != TMenuPlace::None) << row.Caption;
        if (row.Group == TCommandGroup::Entry)
            entry.insert(row.Id);
    }
    using enum TCommandId;
    EXPECT_EQ(entry, (std::set<TCommandId>{Remove, Replace, Insert, SaveScn, Version, VerQorT,
                                           VerQor, VerMhn, ApplyVersion, Rename}));
    EXPECT_EQ(CommandRow(Add).Group, TCommandGroup::Add);
    EXPECT_EQ(ShortcutCommand(Qt::Key_Delete), std::optional(Remove));
    EXPECT_EQ(ShortcutCommand(0), std::nullopt);
}

TEST(MainCommands, ToolbarControlsFollowTheirItems) {
    QWidget owner;
    TDock dock(&owner, TDockPosition::dpTop);
    const TMainMenus menus = CreateMainMenus(&owner);
    const TMainToolbars bars = CreateMainToolbars(&dock, menus);
    using enum TCommandId;

    EXPECT_FALSE(bars.Button(Remove)->isEnabled());
    EXPECT_FALSE(bars.Button(ApplyVersion)->isEnabled());
    menus.Item(Remove)->setEnabled(true);
    EXPECT_TRUE(bars.Button(Remove)->isEnabled()) << "enabled in one place: the item";
    menus.Item(New)->setEnabled(false);
    EXPECT_FALSE(bars.Control(New)->isEnabled()) << "New's push button follows its item too";

    EXPECT_TRUE(bars.Button(Details)->Down());
    menus.Item(List)->setChecked(true);
    EXPECT_TRUE(bars.Button(List)->Down()) << "checking the item puts its button down";
    EXPECT_FALSE(bars.Button(Details)->Down());
    EXPECT_FALSE(menus.Item(Details)->isChecked());

    int chosen = 0;
    QObject::connect(menus.Item(SmallIcons), &TMenuItem::OnClick, [&chosen] { ++chosen; });
    bars.Button(SmallIcons)->Click();
    EXPECT_EQ(chosen, 1) << "a click on the button chooses the item";
    EXPECT_TRUE(menus.Item(SmallIcons)->isChecked());
    EXPECT_FALSE(bars.Button(List)->Down());

    int opened = 0;
    QObject::connect(menus.Item(Open), &TMenuItem::OnClick, [&opened] { ++opened; });
    bars.Button(Open)->Click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(bars.Control(Toolbar), nullptr) << "the Toolbar item has no button";
}

namespace {

// Records what the handlers ask of the window; the command objects are not reached here.
class TRecordingTarget : public TCommandTarget {
public:
    std::string Calls;

    TCampaignCommands& CampaignCommands() override { std::abort(); }
    TScenarioCommands& ScenarioCommands() override { std::abort(); }
    std::optional<int> FocusedScenario() const override { return 2; }
    void ExitItemClick() override { Calls += "exit "; }
    void UndoItemClick() override { Calls += "undo "; }
    void RedoItemClick() override { Calls += "redo "; }
    void MoveItemClick(int step) override { Calls += "move " + std::to_string(step) + " "; }
    void RenameItemClick() override { Calls += "rename "; }
    void CheckItemClick() override { Calls += "check "; }
    void AddItemClick() override { Calls += "add "; }
    void RemoveItemClick() override { Calls += "remove "; }
    void setVersion(TScenarioVersion version) override {
        Calls += "set " + VersionText(version) + " ";
    }
    void ChooseVersion(TScenarioVersion version) override {
        Calls += "choose " + VersionText(version) + " ";
    }
    void ViewStyleClick(TViewStyle style) override {
        Calls += "view " + std::to_string(static_cast<int>(style)) + " ";
    }
    void ToolbarItemClick() override { Calls += "toolbar "; }
    void StatusBarItemClick() override { Calls += "status "; }
    void OptionsItemClick() override { Calls += "options "; }
    void ContentsItemClick() override { Calls += "contents "; }
    void QORHItemClick() override { Calls += "quorvane "; }
    void MHNHItemClick() override { Calls += "meltharn "; }
    void AboutItemClick() override { Calls += "about "; }
};

} // namespace

TEST(MainCommands, HandlersReachTheWindowsOperations) {
    using enum TCommandId;
    const std::map<TCommandId, std::string> expected{
        {Exit, "exit "},           {Add, "add "},
        {Remove, "remove "},       {VerQorT, "set 1.10 "},
        {VerQor, "set 1.11 "},     {VerMhn, "set 1.18 "},
        {QorTVer, "choose 1.10 "}, {QorVer, "choose 1.11 "},
        {MhnVer, "choose 1.18 "},  {Toolbar, "toolbar "},
        {StatusBar, "status "},    {LargeIcons, "view 0 "},
        {SmallIcons, "view 1 "},   {List, "view 2 "},
        {Details, "view 3 "},      {Options, "options "},
        {Contents, "contents "},   {QORH, "quorvane "},
        {MHNH, "meltharn "},       {About, "about "},
        {Undo, "undo "},           {Redo, "redo "},
        {MoveUp, "move -1 "},      {MoveDown, "move 1 "},
        {Rename, "rename "},       {CheckCampaign, "check "},
    };
    for (const auto& [id, calls] : expected) {
        TRecordingTarget target;
        CommandRow(id).Handler(target);
        EXPECT_EQ(target.Calls, calls) << CommandRow(id).Caption;
    }
}

TEST(MainCommands, EditsAreNamedAfterTheirCommandsCaptionOrHint) {
    using enum TCommandId;
    const std::map<TCommandId, QString> expected{
        {Add, "Add"},         {Insert, "Insert After"}, {VerMhn, "Set to Version"},
        {MoveUp, "Move Up"},  {Options, "Options"},     {ApplyVersion, "Set Scenario Version"},
    };
    for (const auto& [id, name] : expected)
        EXPECT_EQ(EditName(id), name);
}

TEST(MainCommands, ASubmenusRowsComeAfterTheItemThatOpensIt) {
    using enum TMenuPlace;
    constexpr TCommandRow opener{.Id = TCommandId::New, .Menu = Scenario, .Submenu = VersionSubmenu};
    constexpr TCommandRow inside{.Id = TCommandId::New, .Menu = VersionSubmenu};
    constexpr TCommandRow unplacedOpener{.Id = TCommandId::New, .Submenu = VersionSubmenu};
    constexpr TCommandRow inOrder[] = {opener, inside};
    constexpr TCommandRow insideFirst[] = {inside, opener};
    constexpr TCommandRow fromNoMenu[] = {unplacedOpener, inside};
    EXPECT_TRUE(SubmenusOpenBeforeTheirRows(inOrder));
    EXPECT_FALSE(SubmenusOpenBeforeTheirRows(insideFirst));
    EXPECT_FALSE(SubmenusOpenBeforeTheirRows(fromNoMenu));
}
