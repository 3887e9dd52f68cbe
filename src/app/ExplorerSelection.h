#pragma once

#include <optional>
#include <vector>

// The explorer list's items as the Add command sees them: which one has the focus and which
// are selected, in list order.
struct TExplorerListState {
    std::optional<int> Focused;
    std::vector<int> Selected;
};

// Fewer than two selected: the focused item alone (none without a focus); otherwise every
// selected item in list order.
inline std::vector<int> ItemsToTake(const TExplorerListState& state) {
    if (state.Selected.size() >= 2)
        return state.Selected;
    if (state.Focused)
        return {*state.Focused};
    return {};
}
