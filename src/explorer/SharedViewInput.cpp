#include "SharedViewInput.h"

#include "Autoscroll.h"

#include <QAbstractScrollArea>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <utility>

namespace {

bool hasRange(const QScrollBar* bar) {
    return bar->maximum() > bar->minimum();
}

void stepBy(QScrollBar* bar, int steps) {
    if (steps)
        bar->setValue(bar->value() + steps * bar->singleStep());
}

// The keys both views take for their folder, as the desktop's file managers do: Backspace
// goes to the parent folder, F5 reads the shown folder again. Only the plain keys count.
enum class TFolderKey { None, Parent, Refresh };

TFolderKey folderKeyOf(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return TFolderKey::None;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return TFolderKey::Parent;
    case Qt::Key_F5:
        return TFolderKey::Refresh;
    default:
        return TFolderKey::None;
    }
}

} // namespace

bool TViewInputController::pressOrDoubleClick(const QMouseEvent& event) {
    switch (m_target.PressPlaceAt(event.position().toPoint(), event.button())) {
    case TPressPlace::Inert:
        return true;
    case TPressPlace::EmptySpace:
        if (!(event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)))
            m_target.ClearItemSelection();
        m_pressOnEmptySpace = true;
        return true;
    case TPressPlace::Item:
        break;
    }
    return false;
}

bool TViewInputController::MousePress(const QMouseEvent& event) {
    if (pressOrDoubleClick(event))
        return true;
    // Without RightClickSelect a right press selects nothing: the shell menu selects on
    // release.
    return event.button() == Qt::RightButton && !Settings.RightClickSelect;
}

bool TViewInputController::MouseDoubleClick(const QMouseEvent& event) {
    return pressOrDoubleClick(event);
}

// The right-button release by the popup-menu method: the shell menu with pmmContext and
// pmmContextUser, then the view's own popup menu with pmmUser and pmmContextUser unless a
// shell menu was shown.
bool TViewInputController::MouseRelease(const QMouseEvent& event) {
    const QPoint point = event.position().toPoint();
    if (event.button() == Qt::RightButton) {
        const QPoint screenPoint = event.globalPosition().toPoint();
        const TPopupMenuMethod method = Settings.PopupMenuMethod;
        bool handled = false;
        if (method == TPopupMenuMethod::pmmContext || method == TPopupMenuMethod::pmmContextUser)
            handled = m_target.ShowItemMenuAt(point, screenPoint);
        const bool userMenu =
            method == TPopupMenuMethod::pmmUser || method == TPopupMenuMethod::pmmContextUser;
        if (!handled && userMenu && Settings.PopupMenu)
            Settings.PopupMenu->popup(screenPoint);
        return true;
    }
    if (std::exchange(m_pressOnEmptySpace, false))
        return true;
    return m_target.PressPlaceAt(point, event.button()) == TPressPlace::Inert;
}

bool TViewInputController::MouseMove(const QMouseEvent& event) {
    const QPoint point = event.position().toPoint();
    if (Settings.HotTrack)
        m_target.HotTrackAt(point);
    if (Settings.Autoscroll)
        m_target.AutoscrollAt(point);
    // Moving on from a press on empty space neither selects nor drags.
    return m_pressOnEmptySpace && event.buttons() != Qt::NoButton;
}

void TViewInputController::MouseLeave() {
    m_target.EndHotTracking();
}

bool TViewInputController::KeyPress(const QKeyEvent& event) {
    switch (folderKeyOf(event)) {
    case TFolderKey::Parent:
        m_target.OpenParentFolder();
        return true;
    case TFolderKey::Refresh:
        m_target.RefreshFolder();
        return true;
    case TFolderKey::None:
        break;
    }
    return false;
}

// A menu or a dialog opening over the view does not take the focus from it for good: the
// commands they hold still act on the view's items.
void TViewInputController::FocusOut(const QFocusEvent& event) {
    const auto reason = event.reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        m_target.FocusLeft();
}

bool TViewInputController::ViewportEvent(QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        return MousePress(static_cast<const QMouseEvent&>(event));
    case QEvent::MouseButtonDblClick:
        return MouseDoubleClick(static_cast<const QMouseEvent&>(event));
    case QEvent::MouseButtonRelease:
        return MouseRelease(static_cast<const QMouseEvent&>(event));
    case QEvent::MouseMove:
        return MouseMove(static_cast<const QMouseEvent&>(event));
    case QEvent::Leave:
        MouseLeave();
        return false;
    default:
        return false;
    }
}

bool TViewInputController::ViewEvent(QEvent& event) {
    if (event.type() == QEvent::KeyPress)
        return KeyPress(static_cast<const QKeyEvent&>(event));
    if (event.type() == QEvent::FocusOut)
        FocusOut(static_cast<const QFocusEvent&>(event));
    return false;
}

void AutoscrollTowardsEdge(QAbstractScrollArea& area, const QWidget& control,
                           QPoint viewportPoint) {
    const QPoint position = area.viewport()->mapTo(&control, viewportPoint);
    const TAutoscrollStep step =
        AutoscrollStep(position, control.size(), control.fontMetrics().height(),
                       hasRange(area.verticalScrollBar()), hasRange(area.horizontalScrollBar()));
    stepBy(area.verticalScrollBar(), step.dy);
    stepBy(area.horizontalScrollBar(), step.dx);
}
