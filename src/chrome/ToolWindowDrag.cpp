#include "ToolWindowDrag.h"

#include "CaptureLoss.h"
#include "Docks.h"
#include "DragGeometry.h"
#include "MouseCapture.h"
#include "ToolWindow.h"
#include "WorkArea.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

QRect screenRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

int dockOrder(TDockPosition position) {
    return static_cast<int>(position);
}

} // namespace

ToolWindowDrag::ToolWindowDrag(TCustomToolWindow* window, QPoint grab)
    : m_window(window), m_grab(grab), m_windowSize(window->size()) {
    collectCandidates();
    m_floatingSize = window->SizeFor(nullptr);
    for (TDock* dock : m_candidates)
        m_dockSizes.push_back(sizeFor(dock));
}

ToolWindowDrag::~ToolWindowDrag() {
    setNotAllowed(false);
}

QSize ToolWindowDrag::sizeFor(TDock* dock) const {
    return dock == m_window->DockedTo() ? m_windowSize : m_window->SizeFor(dock);
}

void ToolWindowDrag::collectCandidates() {
    if (m_window->DockMode() == TDockMode::dmCannotFloatOrChangeDocks) {
        if (m_window->DockedTo())
            m_candidates.push_back(m_window->DockedTo());
        return;
    }
    if (QWidget* form = m_window->ParentForm())
        collectDocks(form);
}

// Depth first; at each level the docks by edge (top, bottom, left, right), then the other children.
void ToolWindowDrag::collectDocks(QWidget* parent) {
    const QList<QWidget*> children =
        parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    std::vector<TDock*> docks;
    for (QWidget* child : children)
        if (auto* dock = qobject_cast<TDock*>(child))
            docks.push_back(dock);
    std::stable_sort(docks.begin(), docks.end(), [](TDock* a, TDock* b) {
        return dockOrder(a->Position()) < dockOrder(b->Position());
    });
    for (TDock* dock : docks)
        if (dock->isVisible() && dock->AllowDrag() &&
            m_window->DockableTo().contains(dock->Position()))
            m_candidates.push_back(dock);
    for (QWidget* child : children)
        if (!qobject_cast<TDock*>(child) && !child->isWindow() &&
            !qobject_cast<TCustomToolWindow*>(child))
            collectDocks(child);
}

void ToolWindowDrag::update(QPoint cursor, bool ctrlHeld) {
    m_lastCursor = cursor;
    m_ctrlHeld = ctrlHeld;
    m_dockingTo = nullptr;
    QSize outlineSize;
    if (!ctrlHeld) {
        for (std::size_t i = 0; i < m_candidates.size(); ++i) {
            TDock* dock = m_candidates[i];
            DockHitInput hit{cursor,         m_grab,           m_windowSize,
                             m_dockSizes[i], screenRect(dock), dock->Position()};
            if (!DockHitTest(hit))
                continue;
            bool accept = true;
            if (dock->OnRequestDock)
                dock->OnRequestDock(dock, m_window, accept);
            if (accept) {
                m_dockingTo = dock;
                outlineSize = m_dockSizes[i];
                break;
            }
        }
    }
    if (m_dockingTo) {
        m_outline = QRect(OutlineTopLeft(cursor, m_grab, m_windowSize, outlineSize), outlineSize);
        m_outlineThickness = 1;
    } else if (m_window->DockMode() != TDockMode::dmCanFloat) {
        m_outline = QRect();
        m_outlineThickness = 0;
    } else {
        const QRect workArea = WorkAreaAt(cursor);
        const QPoint clamped = ClampToWorkArea(cursor, workArea);
        const FloatingFrameMetrics metrics = m_window->FloatingMetrics();
        m_outline =
            QRect(OutlineTopLeft(clamped, m_grab, m_windowSize, m_floatingSize), m_floatingSize);
        m_outline =
            KeepOutlineReachable(m_outline, workArea, metrics.frame, metrics.captionAreaHeight());
        m_outlineThickness = metrics.frame;
    }
    setNotAllowed(m_outline.isNull());
    if (m_outline.isNull())
        m_screenOutline.hide();
    else
        m_screenOutline.show(m_outline, m_outlineThickness);
}

void ToolWindowDrag::setNotAllowed(bool notAllowed) {
    if (notAllowed == m_notAllowed)
        return;
    m_notAllowed = notAllowed;
    if (notAllowed)
        QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    else
        QApplication::restoreOverrideCursor();
}

void ToolWindowDrag::finish(bool accept) {
    if (m_finished)
        return;
    m_finished = true;
    m_screenOutline.hide();
    setNotAllowed(false);
    if (!accept || !m_window || m_outline.isNull())
        return;
    if (m_dockingTo)
        dropOnDock();
    else
        dropFloating();
}

void ToolWindowDrag::dropOnDock() {
    TDock* dock = m_dockingTo;
    const QRect client = dock->DockClientRect();
    const QRect inDock = m_outline.translated(-dock->mapToGlobal(client.topLeft()));
    const bool vertical = IsVerticalDock(dock->Position());
    const int centre =
        vertical ? inDock.left() + inDock.width() / 2 : inDock.top() + inDock.height() / 2;
    const RowHit hit = dock->RowAtPosition(centre);
    int row = hit.row;
    if (hit.before) {
        dock->InsertRowAt(row, m_window);
    } else if (m_window->FullSize() && dock->RowHasOtherShownBars(row, m_window)) {
        ++row;
        dock->InsertRowAt(row, m_window);
    }
    m_window->MoveTo(dock, row, vertical ? inDock.top() : inDock.left());
}

void ToolWindowDrag::dropFloating() {
    m_window->setFloatingPosition(m_outline.topLeft());
    if (m_window->Docked())
        m_window->MoveTo(nullptr, m_window->DockRow(), m_window->DockPos());
}

void ToolWindowDrag::runModal() {
    // However the drag ends, even before its loop has started, the mouse is let go.
    const MouseCapture capture(m_window, this);
    // Paint what is pending before the outline appears.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!m_finished && m_window) {
        update(m_window->mapToGlobal(m_grab),
               QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier));
        if (!m_finished)
            m_loop.exec();
    }
    finish(false);
}

void ToolWindowDrag::end(bool accept) {
    finish(accept);
    m_loop.quit();
}

bool ToolWindowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (!m_finished && TakesCaptureAway(watched, event, m_window)) {
        // The mouse was taken away: the drag ends without a change.
        end(false);
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        // Mouse input is taken where it reaches a widget, so the toolkit's own bookkeeping stays
        // intact.
        if (!watched->isWidgetType())
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool ctrl = mouse->modifiers().testFlag(Qt::ControlModifier);
        if (event->type() == QEvent::MouseMove)
            update(mouse->globalPosition().toPoint(), ctrl);
        else if (mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonRelease)
            end(true);
        else if (mouse->button() == Qt::LeftButton)
            end(false);
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape)
            end(false);
        else if (key->key() == Qt::Key_Control)
            update(m_lastCursor, event->type() == QEvent::KeyPress);
        return true;
    }
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}
