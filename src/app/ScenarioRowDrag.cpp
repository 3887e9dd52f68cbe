#include "ScenarioRowDrag.h"

#include "ScenarioRowDrop.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTreeView>

namespace {

constexpr int scrollIntervalMs = 50;
constexpr int dropLineWidth = 2;

} // namespace

TScenarioRowDrag::TScenarioRowDrag(QTreeView& list)
    : QObject(&list), m_list(list), m_viewport(list.viewport()) {
    m_scrollTimer.setInterval(scrollIntervalMs);
    connect(&m_scrollTimer, &QTimer::timeout, this, &TScenarioRowDrag::scrollTowardsEdge);
    m_viewport->installEventFilter(this);
}

bool TScenarioRowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed(static_cast<QMouseEvent&>(*event));
        return false;
    case QEvent::MouseMove:
        return moved(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        m_pressedRow = QPersistentModelIndex();
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDragMoveEvent&>(*event);
        if (!isOwnRow(drag))
            return false;
        draggedOver(drag);
        return true;
    }
    case QEvent::DragLeave:
        leave();
        return false;
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(*event);
        if (!isOwnRow(drop))
            return false;
        dropped(drop);
        return true;
    }
    default:
        return false;
    }
}

void TScenarioRowDrag::pressed(const QMouseEvent& event) {
    m_pressedRow = QPersistentModelIndex();
    if (event.button() != Qt::LeftButton)
        return;
    m_pressPoint = event.position().toPoint();
    m_pressedRow = QPersistentModelIndex(m_list.indexAt(m_pressPoint));
}

// While the button is held on a row, the moves belong to the drag: the list does not select
// the rows the pointer passes.
bool TScenarioRowDrag::moved(const QMouseEvent& event) {
    if (!m_pressedRow.isValid())
        return false;
    if (!(event.buttons() & Qt::LeftButton)) {
        m_pressedRow = QPersistentModelIndex();
        return false;
    }
    const QPoint travel = event.position().toPoint() - m_pressPoint;
    if (travel.manhattanLength() > QApplication::startDragDistance())
        runDrag();
    return true;
}

void TScenarioRowDrag::runDrag() {
    m_draggedRow = m_pressedRow;
    m_pressedRow = QPersistentModelIndex();
    auto mime = std::make_unique<QMimeData>();
    mime->setData(MimeType, QByteArray::number(m_draggedRow.row()));
    // Qt deletes the drag once it has ended; the list is its source.
    auto* drag = new QDrag(&m_list);
    drag->setMimeData(mime.release());
    drag->exec(Qt::MoveAction);
    leave();
    m_draggedRow = QPersistentModelIndex();
}

bool TScenarioRowDrag::isOwnRow(const QDropEvent& event) const {
    return event.source() == &m_list && event.mimeData() &&
           event.mimeData()->hasFormat(MimeType);
}

void TScenarioRowDrag::draggedOver(QDragMoveEvent& event) {
    event.setDropAction(Qt::MoveAction);
    event.accept();
    m_pointer = event.position().toPoint();
    const bool nearEdge = AutoscrollRows(m_pointer->y(), m_list.viewport()->height(),
                                         m_list.autoScrollMargin()) != 0;
    if (nearEdge && m_list.hasAutoScroll() && !m_scrollTimer.isActive())
        m_scrollTimer.start();
    m_list.viewport()->update();
}

void TScenarioRowDrag::dropped(QDropEvent& event) {
    event.setDropAction(Qt::MoveAction);
    event.accept();
    const int from = m_draggedRow.row();
    const auto to = MovedRowTarget(from, gapUnder(event.position().toPoint()), rowCount());
    leave();
    if (to && OnMove)
        OnMove(from, *to);
}

void TScenarioRowDrag::leave() {
    m_scrollTimer.stop();
    if (!m_pointer)
        return;
    m_pointer.reset();
    m_list.viewport()->update();
}

void TScenarioRowDrag::scrollTowardsEdge() {
    const int rows = m_pointer ? AutoscrollRows(m_pointer->y(), m_list.viewport()->height(),
                                                m_list.autoScrollMargin())
                               : 0;
    QScrollBar* bar = m_list.verticalScrollBar();
    const int before = bar->value();
    bar->setValue(before + rows * bar->singleStep());
    if (bar->value() == before) {
        m_scrollTimer.stop();
        return;
    }
    // Scrolling moves the painted line with the rows; the gap under the pointer has changed.
    m_list.viewport()->update();
}

int TScenarioRowDrag::rowCount() const {
    return m_list.model() ? m_list.model()->rowCount(m_list.rootIndex()) : 0;
}

int TScenarioRowDrag::gapUnder(QPoint point) const {
    // Any point of the first column finds the row at that height.
    const QPoint inFirstColumn(m_list.header()->sectionViewportPosition(0), point.y());
    const QModelIndex index = m_list.indexAt(inFirstColumn);
    std::optional<TRowBand> row;
    if (index.isValid()) {
        const QRect band = m_list.visualRect(index);
        row = TRowBand{index.row(), band.top(), band.bottom() + 1};
    }
    return DropGapAt(point.y(), row, rowCount());
}

int TScenarioRowDrag::boundaryAbove(int gap) const {
    const int count = rowCount();
    if (gap < count)
        return m_list.visualRect(m_list.model()->index(gap, 0, m_list.rootIndex())).top();
    return m_list.visualRect(m_list.model()->index(count - 1, 0, m_list.rootIndex())).bottom() + 1;
}

void TScenarioRowDrag::PaintDropLine() {
    if (!m_pointer)
        return;
    const int gap = gapUnder(*m_pointer);
    if (!MovedRowTarget(m_draggedRow.row(), gap, rowCount()))
        return;
    QWidget* viewport = m_list.viewport();
    const int top = DropLineTop(boundaryAbove(gap), viewport->height());
    QPainter painter(viewport);
    painter.fillRect(QRect(0, top, viewport->width(), dropLineWidth),
                     m_list.palette().color(QPalette::Text));
}
