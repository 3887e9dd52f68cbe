#include "CommandEnabling.h"

bool CommandEnabled(const TCommandState& state, TCommandGroup group) {
    switch (group) {
    case TCommandGroup::Add:
        return state.AddEnabled;
    case TCommandGroup::Entry:
        return state.EntryEnabled;
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
