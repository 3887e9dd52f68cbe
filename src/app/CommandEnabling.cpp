#include "CommandEnabling.h"

bool CommandEnabled(const TCommandState& state, TCommandGroup group) {
    switch (group) {
    case TCommandGroup::Add:
        return state.AddEnabled;
    case TCommandGroup::Entry:
        return state.EntryEnabled;
    case TCommandGroup::MoveUp:
        return state.EntryEnabled && !state.FocusedRowFirst;
    case TCommandGroup::MoveDown:
        return state.EntryEnabled && !state.FocusedRowLast;
    case TCommandGroup::Undo:
        return state.CanUndo;
    case TCommandGroup::Redo:
        return state.CanRedo;
    case TCommandGroup::Scenarios:
        return state.HasScenarios;
    case TCommandGroup::Always:
        break;
    }
    return true;
}

void ExplorerListChanged(TCommandState& state, bool rowExistsAndSelected) {
    state.AddEnabled = rowExistsAndSelected;
}

void ExplorerListExited(TCommandState& state) {
    state.AddEnabled = false;
}

void ScenarioListEntered(TCommandState& state, bool rowHasFocus) {
    if (rowHasFocus)
        state.EntryEnabled = true;
}

void ScenarioListChanged(TCommandState& state, bool rowExistsAndSelected,
                         std::optional<TScenarioVersion> rowVersion) {
    if (!rowExistsAndSelected) {
        state.EntryEnabled = false;
        return;
    }
    if (rowVersion)
        state.VersionText = VersionText(*rowVersion);
    state.EntryEnabled = true;
}

void ScenarioListExited(TCommandState& state) {
    state.EntryEnabled = false;
}

void ScenarioRowPlace(TCommandState& state, std::optional<int> focusedRow, int rowCount) {
    state.FocusedRowFirst = !focusedRow || *focusedRow <= 0;
    state.FocusedRowLast = !focusedRow || *focusedRow >= rowCount - 1;
}

void ScenarioListFilled(TCommandState& state, int rowCount) {
    state.HasScenarios = rowCount > 0;
}
