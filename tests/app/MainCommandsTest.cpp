// The command table and the controls built from it: one row per command, every toolbar
// control following its command's item.
#include "MainCommands.h"

#include "CommandDispatcher.h"
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
#include <vector>

TEST(MainCommands, TheToolbarShowsEachPicturedCommandOnceAndTheRowsCommandsTakeTheEntryGroup) {
    std::multiset<TCommandId> onToolbar;
    for (const std::optional<TCommandId>& id : MainToolbarOrder())
        if (id)
            onToolbar.insert(*id);
    for (const TCommandRow& row : MainCommands()) {
        const bool hasControl = row.Picture || row.Control == TToolbarControl::VersionCombo;
        EXPECT_EQ(onToolbar.count(row.Id), hasControl ? 1u : 0u) << row.Caption;
        EXPECT_TRUE(row.Handler || row.Submenu != TMenuPlace::None) << row.Caption;
    }
    // The commands on the scenario list's focused row wait for a row to act on.
    using enum TCommandId;
    for (TCommandId id :
         {Remove, Replace, Insert, SaveScn, Version, VerQorT, VerQor, VerMhn, ApplyVersion, Rename})
        EXPECT_EQ(CommandRow(id).Group, TCommandGroup::Entry) << CommandRow(id).Caption;
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

// Stands for the command objects, which are not reached here: their calls are theirs to test.
struct TCommandObjectReached {};

// Records which window operation a handler runs, with its argument: one line per operation.
class TRecordingTarget : public TCommandTarget {
public:
    std::vector<std::string> Calls;

    TCampaignCommands& CampaignCommands() override { throw reached("CampaignCommands"); }
    TScenarioCommands& ScenarioCommands() override { throw reached("ScenarioCommands"); }
    std::optional<int> FocusedScenario() const override { return 2; }
    void ExitItemClick() override { record("ExitItemClick"); }
    void UndoItemClick() override { record("UndoItemClick"); }
    void RedoItemClick() override { record("RedoItemClick"); }
    void MoveItemClick(int step) override { record("MoveItemClick", std::to_string(step)); }
    void RenameItemClick() override { record("RenameItemClick"); }
    void CheckItemClick() override { record("CheckItemClick"); }
    void AddItemClick() override { record("AddItemClick"); }
    void RemoveItemClick() override { record("RemoveItemClick"); }
    void setVersion(TScenarioVersion version) override {
        record("setVersion", VersionText(version));
    }
    void ChooseVersion(TScenarioVersion version) override {
        record("ChooseVersion", VersionText(version));
    }
    void ViewStyleClick(TViewStyle style) override {
        record("ViewStyleClick", std::to_string(static_cast<int>(style)));
    }
    void ToolbarItemClick() override { record("ToolbarItemClick"); }
    void StatusBarItemClick() override { record("StatusBarItemClick"); }
    void OptionsItemClick() override { record("OptionsItemClick"); }
    void ContentsItemClick() override { record("ContentsItemClick"); }
    void QORHItemClick() override { record("QORHItemClick"); }
    void MHNHItemClick() override { record("MHNHItemClick"); }
    void AboutItemClick() override { record("AboutItemClick"); }

private:
    void record(const std::string& operation, const std::string& argument = {}) {
        Calls.push_back(argument.empty() ? operation : operation + " " + argument);
    }
    TCommandObjectReached reached(const std::string& object) {
        record(object);
        return {};
    }
};

// What the command's handler asks of the window.
std::vector<std::string> callsOf(const TCommandRow& row) {
    TRecordingTarget target;
    try {
        row.Handler(target);
    } catch (const TCommandObjectReached&) {
    }
    return target.Calls;
}

} // namespace

TEST(MainCommands, EveryHandlerRunsOneOperationOfItsOwn) {
    std::map<std::string, TCommandId> windowOperations;
    for (const TCommandRow& row : MainCommands()) {
        if (!row.Handler)
            continue;
        const std::vector<std::string> calls = callsOf(row);
        ASSERT_EQ(calls.size(), 1u) << row.Caption;
        if (calls.front() == "CampaignCommands" || calls.front() == "ScenarioCommands")
            continue;
        const auto [other, isNew] = windowOperations.emplace(calls.front(), row.Id);
        EXPECT_TRUE(isNew) << row.Caption << " runs " << calls.front() << " as "
                           << CommandRow(other->second).Caption << " does";
    }
}

TEST(MainCommands, HandlersReachTheWindowsOperations) {
    using enum TCommandId;
    const std::map<TCommandId, std::string> expected{
        {Exit, "ExitItemClick"},           {Add, "AddItemClick"},
        {Remove, "RemoveItemClick"},       {VerQorT, "setVersion 1.10"},
        {VerQor, "setVersion 1.11"},       {VerMhn, "setVersion 1.18"},
        {QorTVer, "ChooseVersion 1.10"},   {QorVer, "ChooseVersion 1.11"},
        {MhnVer, "ChooseVersion 1.18"},    {Toolbar, "ToolbarItemClick"},
        {StatusBar, "StatusBarItemClick"}, {LargeIcons, "ViewStyleClick 0"},
        {SmallIcons, "ViewStyleClick 1"},  {List, "ViewStyleClick 2"},
        {Details, "ViewStyleClick 3"},     {Options, "OptionsItemClick"},
        {Contents, "ContentsItemClick"},   {QORH, "QORHItemClick"},
        {MHNH, "MHNHItemClick"},           {About, "AboutItemClick"},
        {Undo, "UndoItemClick"},           {Redo, "RedoItemClick"},
        {MoveUp, "MoveItemClick -1"},      {MoveDown, "MoveItemClick 1"},
        {Rename, "RenameItemClick"},       {CheckCampaign, "CheckItemClick"},
        {New, "CampaignCommands"},         {Replace, "ScenarioCommands"},
    };
    for (const auto& [id, call] : expected)
        EXPECT_EQ(callsOf(CommandRow(id)), std::vector{call}) << CommandRow(id).Caption;
}

TEST(MainCommands, EditsAreNamedAfterTheirCommandsCaptionOrHint) {
    using enum TCommandId;
    const std::map<TCommandId, QString> expected{
        {Add, "Add"},        {Insert, "Insert After"}, {VerMhn, "Set to Version"},
        {MoveUp, "Move Up"}, {Options, "Options"},     {ApplyVersion, "Set Scenario Version"},
    };
    for (const auto& [id, name] : expected)
        EXPECT_EQ(EditName(id), name);
}

TEST(MainCommands, ASubmenusRowsComeAfterTheItemThatOpensIt) {
    using enum TMenuPlace;
    constexpr TCommandRow opener{
        .Id = TCommandId::New, .Menu = Scenario, .Submenu = VersionSubmenu};
    constexpr TCommandRow inside{.Id = TCommandId::New, .Menu = VersionSubmenu};
    constexpr TCommandRow unplacedOpener{.Id = TCommandId::New, .Submenu = VersionSubmenu};
    constexpr TCommandRow inOrder[] = {opener, inside};
    constexpr TCommandRow insideFirst[] = {inside, opener};
    constexpr TCommandRow fromNoMenu[] = {unplacedOpener, inside};
    EXPECT_TRUE(SubmenusOpenBeforeTheirRows(inOrder));
    EXPECT_FALSE(SubmenusOpenBeforeTheirRows(insideFirst));
    EXPECT_FALSE(SubmenusOpenBeforeTheirRows(fromNoMenu));
}
