#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <optional>

class QDropEvent;
class QDragMoveEvent;
class QMouseEvent;
class QTreeView;

// Moves a row of a list to another place in the same list by dragging it. A press of the left
// button on a row and a move past the drag distance start the drag; while it is over the list
// a line marks the gap the row would drop into, and the list scrolls near its top and bottom
// edges. The drag carries its own data type and has the list as its source, so it is told
// apart from files dragged from the explorer or another program, and the list's other drop
// handling never sees it. Dropping it anywhere else does nothing.
class TScenarioRowDrag : public QObject {
    Q_OBJECT
public:
    // The data type of a dragged row; its data is the row's index in decimal.
    static constexpr char MimeType[] = "application/x-brindlewick-scenario-row";

    // Watches the list's viewport, where its mouse and drag events arrive.
    explicit TScenarioRowDrag(QTreeView& list);

    // The entry at row `from` is to end at index `to`; called only for a drop that changes
    // the order.
    std::function<void(int from, int to)> OnMove;

    // Draws the drop line over the list's rows; the list calls it after painting them.
    void PaintDropLine();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pressed(const QMouseEvent& event);
    bool moved(const QMouseEvent& event);
    void runDrag();
    bool isOwnRow(const QDropEvent& event) const;
    void draggedOver(QDragMoveEvent& event);
    void dropped(QDropEvent& event);
    void leave();
    void scrollTowardsEdge();
    int rowCount() const;
    int gapUnder(QPoint point) const;
    int boundaryAbove(int gap) const;

    QTreeView& m_list;
    // The list's viewport as it was watched: the filter compares with it, not asking the list,
    // which may be half destroyed when its last events come.
    QWidget* m_viewport;
    // The row pressed on and where, until the drag starts or the button is released.
    QPersistentModelIndex m_pressedRow;
    QPoint m_pressPoint;
    // The row being dragged, followed through any change of the rows while the drag runs.
    QPersistentModelIndex m_draggedRow;
    // Where the drag is over the list's viewport; none while it is elsewhere.
    std::optional<QPoint> m_pointer;
    QTimer m_scrollTimer;
};
