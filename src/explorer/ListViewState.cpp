#include "ListViewState.h"

#include "SystemListView.h"

#include <QAbstractItemView>
#include <QHash>
#include <QScrollBar>

namespace {

QByteArray keyOf(const TListItem* item) {
    if (!item || !item->Data || !item->Data->RelativeID)
        return {};
    return QByteArray(reinterpret_cast<const char*>(item->Data->RelativeID.get()),
                      static_cast<qsizetype>(IDListSize(item->Data->RelativeID)));
}

} // namespace

TListViewState CaptureListViewState(const TSystemListView& list) {
    TListViewState state;
    for (TListItem* item = list.GetNextSelected(nullptr); item; item = list.GetNextSelected(item))
        state.Selected.push_back(keyOf(item));
    state.Focused = keyOf(list.ItemFocused());
    const QAbstractItemView* view = list.CurrentView();
    state.Vertical = view->verticalScrollBar()->value();
    state.Horizontal = view->horizontalScrollBar()->value();
    return state;
}

void RestoreListViewState(TSystemListView& list, const TListViewState& state, bool sameFolder) {
    QHash<QByteArray, int> rows;
    for (int row = 0; row < list.Count(); ++row)
        rows.insert(keyOf(list.Item(row)), row);
    const auto found = rows.constFind(state.Focused);
    list.setItemFocused(state.Focused.isEmpty() || found == rows.cend() ? nullptr
                                                                        : list.Item(*found));
    if (!sameFolder)
        return;
    QAbstractItemView* view = list.CurrentView();
    QItemSelection selection;
    for (const QByteArray& key : state.Selected) {
        const auto row = rows.constFind(key);
        if (row != rows.cend()) {
            const QModelIndex index = view->model()->index(*row, 0);
            selection.select(index, index);
        }
    }
    if (!selection.isEmpty())
        view->selectionModel()->select(selection, QItemSelectionModel::Select |
                                                      QItemSelectionModel::Rows);
    // The rows are laid out now, so that the scroll range is there to scroll back into.
    view->doItemsLayout();
    view->verticalScrollBar()->setValue(state.Vertical);
    view->horizontalScrollBar()->setValue(state.Horizontal);
}
