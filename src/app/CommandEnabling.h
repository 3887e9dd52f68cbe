#pragma once

#include "ScenarioPayload.h"

#include <optional>
#include <string>

// Which scenario commands are enabled, and the version the version button shows. The Add
// group follows the explorer's file list; the Entry group (remove, replace, insert, save to
// file, the version commands) follows the scenario list. Each event looks only at the row it
// reports.
struct TCommandState {
    bool AddEnabled = false;
    bool EntryEnabled = false;
    std::string VersionText = "1.11";
};

// The group whose state enables a command; the rest are always enabled.
enum class TCommandGroup { Always, Add, Entry };

bool CommandEnabled(const TCommandState& state, TCommandGroup group);

void ExplorerListChanged(TCommandState& state, bool rowExistsAndSelected);
void ExplorerListExited(TCommandState& state);
void ScenarioListEntered(TCommandState& state, bool rowHasFocus);
void ScenarioListChanged(TCommandState& state, bool rowExistsAndSelected,
                         std::optional<TScenarioVersion> rowVersion);
void ScenarioListExited(TCommandState& state);
