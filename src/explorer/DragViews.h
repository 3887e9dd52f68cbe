#pragma once

#include <QListView>
#include <QTreeView>

// The file list's two views. A drag runs its own event loop until the drop: folder change
// notices wait for it, so that a refill cannot take the dragged items from under the drop.
class TDragListView : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void paintEvent(QPaintEvent* event) override;
};

class TDragReportView : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void paintEvent(QPaintEvent* event) override;
};
