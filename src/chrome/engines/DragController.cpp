#include "DragController.h"

#include "DragGeometry.h"

#include <utility>

TDragController::TDragController(TDragGuest& guest, const TDragStart& start,
                               std::vector<TDragCandidate> candidates)
    : m_guest(guest), m_start(start), m_candidates(std::move(candidates)) {}

void TDragController::update(QPoint cursor, bool ctrlHeld, QRect workArea) {
    m_target = -1;
    for (std::size_t i = 0; !ctrlHeld && i < m_candidates.size(); ++i) {
        TDragDock& dock = *m_candidates[i].dock;
        const TDockHitInput hit{cursor,           m_start.grab,      m_start.windowSize,
                               m_candidates[i].size, dock.screenRect(), dock.position()};
        if (DockHitTest(hit) && dock.acceptsWindow()) {
            m_target = static_cast<int>(i);
            break;
        }
    }
    if (m_target >= 0) {
        const QSize size = m_candidates[m_target].size;
        m_outline = QRect(OutlineTopLeft(cursor, m_start.grab, m_start.windowSize, size), size);
        m_outlineThickness = 1;
    } else if (!m_start.canFloat) {
        m_outline = QRect();
        m_outlineThickness = 0;
    } else {
        const QPoint clamped = ClampToWorkArea(cursor, workArea);
        const QRect outline(
            OutlineTopLeft(clamped, m_start.grab, m_start.windowSize, m_start.floatingSize),
            m_start.floatingSize);
        m_outline = KeepOutlineReachable(outline, workArea, m_start.floatingFrame,
                                         m_start.floatingCaptionArea);
        m_outlineThickness = m_start.floatingFrame;
    }
}

// The outline's centre across the dock picks the row; a full-size window dropped into a row
// that holds other bars takes a new row of its own right after it.
TDockDrop TDragController::dropOn(TDragDock& dock) const {
    const QRect inDock = m_outline.translated(-dock.clientOrigin());
    const bool vertical = IsVerticalDock(dock.position());
    const int centre =
        vertical ? inDock.left() + inDock.width() / 2 : inDock.top() + inDock.height() / 2;
    const TRowHit hit = RowAtPosition(dock.rowThicknesses(), centre);
    TDockDrop drop{&dock, hit.row, hit.before, vertical ? inDock.top() : inDock.left()};
    if (!hit.before && m_start.fullSize && dock.rowHasOtherBars(hit.row)) {
        ++drop.row;
        drop.newRow = true;
    }
    return drop;
}

void TDragController::accept() {
    if (m_outline.isNull())
        return;
    if (m_target >= 0)
        m_guest.dockInto(dropOn(*m_candidates[m_target].dock));
    else
        m_guest.floatAt(m_outline.topLeft());
}
