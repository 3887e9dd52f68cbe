// The file list's side of its input controller: the events of the shown view go to the
// controller, which asks the list for what they mean to its items.
#include "SystemListView.h"

#include <QAbstractItemView>
#include <QTreeView>

void TSystemListView::handleDoubleClick(const QModelIndex& index) {
    TListItem* item = Item(index.row());
    if (OnDblClick) {
        OnDblClick(this, item);
        return;
    }
    OpenItem(item);
}

// The shown view's mouse, key and focus events go to the input controller.
bool TSystemListView::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = CurrentView();
    if (watched == view->viewport() && m_input.ViewportEvent(*event))
        return true;
    if (watched == view && m_input.ViewEvent(*event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// Without RowSelect only the name cell of a report row is the item: a press on one of its
// other cells is a press on empty space.
TPressPlace TSystemListView::PressPlaceAt(QPoint viewportPoint, Qt::MouseButton button) const {
    if (m_rowSelect || CurrentView() != m_reportView || button != Qt::LeftButton)
        return TPressPlace::Item;
    const QModelIndex index = m_reportView->indexAt(viewportPoint);
    return index.isValid() && index.column() > 0 ? TPressPlace::EmptySpace : TPressPlace::Item;
}

void TSystemListView::ClearItemSelection() {
    ClearSelection();
}

// The shell menu of the item under the mouse: of the whole selection when the item is
// selected, else of the item alone, which becomes the selection first.
bool TSystemListView::ShowItemMenuAt(QPoint viewportPoint, QPoint screenPoint) {
    TListItem* item = ItemAt(viewportPoint);
    if (!item)
        return false;
    if (IsSelected(item))
        return ShowSelectionContextMenu(screenPoint);
    ClearSelection();
    setSelected(item, true);
    setItemFocused(item);
    return ShowItemContextMenu(item, screenPoint);
}

void TSystemListView::OpenParentFolder() {
    if (!m_currentID || ElementCount(m_currentID) == 0)
        return;
    const TShellFolderRef base = m_baseFolder;
    const ItemIDList parent = CopyParentIDList(m_currentID);
    PopulateFolder(base, parent, false);
    NotifyLinkedControls(false);
}

void TSystemListView::RefreshFolder() {
    const TShellFolderRef base = m_baseFolder;
    const ItemIDList current = CopyIDList(m_currentID);
    PopulateFolder(base, current, true);
}

void TSystemListView::AutoscrollAt(QPoint viewportPoint) {
    AutoscrollTowardsEdge(*CurrentView(), *this, viewportPoint);
}

void TSystemListView::HotTrackAt(QPoint viewportPoint) {
    setHotRow(CurrentView()->indexAt(viewportPoint).row());
}

void TSystemListView::EndHotTracking() {
    setHotRow(-1);
}

void TSystemListView::FocusLeft() {
    if (OnExit)
        OnExit(this);
}
