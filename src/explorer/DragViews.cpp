#include "DragViews.h"

#include "FocusFrame.h"
#include "NoticeHold.h"

void TDragListView::startDrag(Qt::DropActions supportedActions) {
    const TNoticeHold hold;
    QListView::startDrag(supportedActions);
}

void TDragListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    PaintFocusFrameWhenEmpty(*this);
}

void TDragReportView::startDrag(Qt::DropActions supportedActions) {
    const TNoticeHold hold;
    QTreeView::startDrag(supportedActions);
}

void TDragReportView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    PaintFocusFrameWhenEmpty(*this);
}
