// The enabling rules are pure: this suite links no Qt library.
#include "CommandEnabling.h"

#include <gtest/gtest.h>

TEST(CommandEnabling, GroupsFollowTheRowsTheirListsReport) {
    TCommandState state;
    EXPECT_FALSE(state.AddEnabled);
    EXPECT_FALSE(state.EntryEnabled);
    EXPECT_EQ(state.VersionText, "1.11");

    ExplorerListChanged(state, true);
    EXPECT_TRUE(state.AddEnabled);
    ExplorerListChanged(state, false);
    EXPECT_FALSE(state.AddEnabled)
        << "an unselected row disables even while another stays selected";
    ExplorerListChanged(state, true);
    ExplorerListExited(state);
    EXPECT_FALSE(state.AddEnabled);

    ScenarioListEntered(state, false);
    EXPECT_FALSE(state.EntryEnabled);
    ScenarioListEntered(state, true);
    EXPECT_TRUE(state.EntryEnabled);
    EXPECT_EQ(state.VersionText, "1.11") << "entering does not touch the version";

    ScenarioListChanged(state, true, TScenarioVersion::Trial110);
    EXPECT_EQ(state.VersionText, "1.10");
    ScenarioListChanged(state, true, std::nullopt);
    EXPECT_EQ(state.VersionText, "1.10") << "an unrecognised version keeps the previous text";
    EXPECT_TRUE(state.EntryEnabled);
    ScenarioListChanged(state, false, TScenarioVersion::Expansion118);
    EXPECT_FALSE(state.EntryEnabled);
    EXPECT_EQ(state.VersionText, "1.10");
    ScenarioListEntered(state, true);
    ScenarioListExited(state);
    EXPECT_FALSE(state.EntryEnabled);
}

TEST(CommandEnabling, EachCommandFollowsItsGroup) {
    TCommandState state;
    EXPECT_TRUE(CommandEnabled(state, TCommandGroup::Always));
    EXPECT_FALSE(CommandEnabled(state, TCommandGroup::Add)) << "both groups start disabled";
    EXPECT_FALSE(CommandEnabled(state, TCommandGroup::Entry));
    ExplorerListChanged(state, true);
    EXPECT_TRUE(CommandEnabled(state, TCommandGroup::Add));
    EXPECT_FALSE(CommandEnabled(state, TCommandGroup::Entry));
    ScenarioListEntered(state, true);
    ExplorerListExited(state);
    EXPECT_FALSE(CommandEnabled(state, TCommandGroup::Add));
    EXPECT_TRUE(CommandEnabled(state, TCommandGroup::Entry));
    ScenarioListExited(state);
    EXPECT_TRUE(CommandEnabled(state, TCommandGroup::Always));
}

// Save All needs scenarios, whatever the lists' focus and selection.
TEST(CommandEnabling, SaveAllFollowsWhetherTheCampaignHasScenarios) {
    TCommandState state;
    EXPECT_FALSE(CommandEnabled(state, TCommandGroup::Scenarios)) << "a new campaign is empty";
    for (const auto& [rows, enabled] : {std::pair{1, true}, {0, false}, {3, true}}) {
        ScenarioListFilled(state, rows);
        ScenarioListExited(state);
        EXPECT_EQ(CommandEnabled(state, TCommandGroup::Scenarios), enabled) << rows;
    }
}
