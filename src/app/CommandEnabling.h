#pragma once

#include "ScenarioPayload.h"

#include <optional>
#include <string>

// Which scenario commands are enabled, and the version the version button shows. The Add
// group follows the explorer's file list; the Entry group (remove, replace, insert, save to
// file, the version commands) follows the scenario list. Each event looks only at the row it
// reports. Moving a row takes the Entry group and a neighbour to change places with; Undo and
// Redo follow the campaign's history; Save All takes a campaign with scenarios.
struct TCommandState {
    bool AddEnabled = false;
    bool EntryEnabled = false;
    std::string VersionText = "1.11";
    bool FocusedRowFirst = true;
    bool FocusedRowLast = true;
    bool CanUndo = false;
    bool CanRedo = false;
    bool HasScenarios = false;
};

// The group whose state enables a command; the rest are always enabled.
enum class TCommandGroup { Always, Add, Entry, MoveUp, MoveDown, Undo, Redo, Scenarios };

bool CommandEnabled(const TCommandState& state, TCommandGroup group);

void ExplorerListChanged(TCommandState& state, bool rowExistsAndSelected);
void ExplorerListExited(TCommandState& state);
void ScenarioListEntered(TCommandState& state, bool rowHasFocus);
void ScenarioListChanged(TCommandState& state, bool rowExistsAndSelected,
                         std::optional<TScenarioVersion> rowVersion);
void ScenarioListExited(TCommandState& state);
// Where the scenario list's focused row stands among its rows (none: it cannot move).
void ScenarioRowPlace(TCommandState& state, std::optional<int> focusedRow, int rowCount);
// How many rows the scenario list holds.
void ScenarioListFilled(TCommandState& state, int rowCount);
