#pragma once

#include <QByteArray>
#include <vector>

class TSystemListView;

// What a refill of the same folder must not lose: the selected items, the focused item
// (both by their relative IDs) and the scroll position.
struct TListViewState {
    std::vector<QByteArray> Selected;
    QByteArray Focused;
    int Vertical = 0;
    int Horizontal = 0;
};

TListViewState CaptureListViewState(const TSystemListView& list);
// Focuses the item of the remembered ID; when the same folder was read again, also selects
// the remembered items that still exist and scrolls back.
void RestoreListViewState(TSystemListView& list, const TListViewState& state, bool sameFolder);
