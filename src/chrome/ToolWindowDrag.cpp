#include "ToolWindowDrag.h"

#include "CaptureLoss.h"
#include "Docks.h"
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

// A candidate dock as the drag controller sees it, asked on behalf of the dragged window.
class TToolWindowDrag::DockTarget : public TDragDock {
public:
    DockTarget(TDock* dock, TCustomToolWindow* window) : m_dock(dock), m_window(window) {}

    TDockPosition position() const override { return m_dock->Position(); }
    QRect screenRect() const override { return ::screenRect(m_dock); }
    QPoint clientOrigin() const override {
        return m_dock->mapToGlobal(m_dock->DockClientRect().topLeft());
    }
    bool acceptsWindow() override {
        bool accept = true;
        if (m_dock->OnRequestDock)
            m_dock->OnRequestDock(m_dock, m_window, accept);
        return accept;
    }
    std::vector<int> rowThicknesses() const override { return m_dock->RowThicknesses(); }
    bool rowHasOtherBars(int row) const override {
        return m_dock->RowHasOtherShownBars(row, m_window);
    }
    TDock* dock() const { return m_dock; }

private:
    TDock* m_dock;
    TCustomToolWindow* m_window;
};

TToolWindowDrag::TToolWindowDrag(TCustomToolWindow* window, QPoint grab)
    : m_window(window), m_grab(grab) {
    collectCandidates();
    TDragStart start;
    start.grab = grab;
    start.windowSize = window->size();
    start.floatingSize = window->SizeFor(nullptr);
    const TFloatingFrameMetrics metrics = window->FloatingMetrics();
    start.floatingFrame = metrics.frame;
    start.floatingCaptionArea = metrics.captionAreaHeight();
    start.canFloat = window->DockMode() == TDockMode::dmCanFloat;
    start.fullSize = window->FullSize();
    std::vector<TDragCandidate> candidates;
    for (TDock* dock : m_candidates) {
        m_targets.push_back(std::make_unique<DockTarget>(dock, window));
        const QSize size = dock == window->DockedTo() ? start.windowSize : window->SizeFor(dock);
        candidates.push_back({m_targets.back().get(), size});
    }
    TDragGuest& guest = *this;
    m_controller = std::make_unique<TDragController>(guest, start, std::move(candidates));
}

TToolWindowDrag::~TToolWindowDrag() {
    setNotAllowed(false);
}

TDock* TToolWindowDrag::dockingTo() const {
    const int target = m_controller->target();
    return target >= 0 ? m_candidates[target] : nullptr;
}

void TToolWindowDrag::collectCandidates() {
    if (m_window->DockMode() == TDockMode::dmCannotFloatOrChangeDocks) {
        if (m_window->DockedTo())
            m_candidates.push_back(m_window->DockedTo());
        return;
    }
    if (QWidget* form = m_window->ParentForm())
        collectDocks(form);
}

// Depth first; at each level the docks by edge (top, bottom, left, right), then the other children.
void TToolWindowDrag::collectDocks(QWidget* parent) {
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

void TToolWindowDrag::update(QPoint cursor, bool ctrlHeld) {
    m_lastCursor = cursor;
    m_controller->update(cursor, ctrlHeld, WorkAreaAt(cursor));
    const QRect outline = m_controller->outline();
    setNotAllowed(outline.isNull());
    if (outline.isNull())
        m_screenOutline.hide();
    else
        m_screenOutline.show(outline, m_controller->outlineThickness());
}

void TToolWindowDrag::setNotAllowed(bool notAllowed) {
    if (notAllowed == m_notAllowed)
        return;
    m_notAllowed = notAllowed;
    if (notAllowed)
        QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TToolWindowDrag::finish(bool accept) {
    if (m_finished)
        return;
    m_finished = true;
    m_screenOutline.hide();
    setNotAllowed(false);
    if (accept && m_window)
        m_controller->accept();
}

void TToolWindowDrag::dockInto(const TDockDrop& drop) {
    TDock* dock = static_cast<const DockTarget*>(drop.dock)->dock();
    if (drop.newRow)
        dock->InsertRowAt(drop.row, m_window);
    m_window->MoveTo(dock, drop.row, drop.pos);
}

void TToolWindowDrag::floatAt(QPoint topLeft) {
    m_window->setFloatingPosition(topLeft);
    if (m_window->Docked())
        m_window->MoveTo(nullptr, m_window->DockRow(), m_window->DockPos());
}

void TToolWindowDrag::runModal() {
    // However the drag ends, even before its loop has started, the mouse is let go.
    const TMouseCapture capture(m_window, this);
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

void TToolWindowDrag::end(bool accept) {
    finish(accept);
    m_loop.quit();
}

bool TToolWindowDrag::eventFilter(QObject* watched, QEvent* event) {
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
