#include "SharedViewInput.h"

#include "Autoscroll.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

namespace {

bool hasRange(const QScrollBar* bar) {
    return bar->maximum() > bar->minimum();
}

void stepBy(QScrollBar* bar, int steps) {
    if (steps)
        bar->setValue(bar->value() + steps * bar->singleStep());
}

} // namespace

TFolderKey FolderKeyOf(const QKeyEvent& event) {
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

void AutoscrollTowardsEdge(QAbstractScrollArea& area, const QWidget& control,
                           QPoint viewportPoint) {
    const QPoint position = area.viewport()->mapTo(&control, viewportPoint);
    const TAutoscrollStep step =
        AutoscrollStep(position, control.size(), control.fontMetrics().height(),
                       hasRange(area.verticalScrollBar()), hasRange(area.horizontalScrollBar()));
    stepBy(area.verticalScrollBar(), step.dy);
    stepBy(area.horizontalScrollBar(), step.dx);
}

void ShowRightButtonMenus(TPopupMenuMethod method, QMenu* popupMenu, QPoint screenPoint,
                          const std::function<bool()>& showShellMenu) {
    bool handled = false;
    if (method == TPopupMenuMethod::pmmContext || method == TPopupMenuMethod::pmmContextUser)
        handled = showShellMenu();
    const bool userMenu =
        method == TPopupMenuMethod::pmmUser || method == TPopupMenuMethod::pmmContextUser;
    if (!handled && userMenu && popupMenu)
        popupMenu->popup(screenPoint);
}
