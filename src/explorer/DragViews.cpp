#include "DragViews.h"

#include "NoticeHold.h"

void TDragListView::startDrag(Qt::DropActions supportedActions) {
    const TNoticeHold hold;
    QListView::startDrag(supportedActions);
}

void TDragReportView::startDrag(Qt::DropActions supportedActions) {
    const TNoticeHold hold;
    QTreeView::startDrag(supportedActions);
}
