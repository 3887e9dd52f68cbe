// Where a tool window lives: docking, floating, the double-click toggle and the floating
// window's visibility.
#include "Docks.h"
#include "DragGeometry.h"
#include "FloatingWindowParent.h"
#include "ToolWindow.h"
#include "WorkArea.h"

#include <QApplication>
#include <QGuiApplication>

#include <algorithm>

void TCustomToolWindow::MoveTo(TDock* dock, int row, int pos) {
    if (dock) {
        m_dockRow = row;
        m_dockPos = pos;
    }
    if (dock != m_dockedTo) {
        setDockedTo(dock);
        if (dock)
            dock->ArrangeBars(true);
    } else if (dock) {
        dock->ArrangeBars(true);
    } else if (m_host) {
        m_host->move(m_floatingPosition);
    }
    if (!m_dockedTo && m_host) {
        const QRect bounds(m_floatingPosition, m_host->size());
        setFloatingPosition(MoveOnScreenWhenOff(bounds, WorkAreaAt(bounds.center())).topLeft());
    }
}

void TCustomToolWindow::ToggleDocked() {
    if (m_dockedTo) {
        if (m_dockMode != TDockMode::dmCanFloat)
            return;
        MoveTo(nullptr, m_dockRow, m_dockPos);
        return;
    }
    if (m_lastDock)
        MoveTo(m_lastDock, m_dockRow, m_dockPos);
    else if (m_defaultDock)
        MoveTo(m_defaultDock, 0, -8);
}

void TCustomToolWindow::changePlace(TDock* target) {
    if (!m_destroying) {
        if (OnDockChanging)
            OnDockChanging(this);
        if (OnDockChangingEx)
            OnDockChangingEx(this, target);
        if (OnRecreating)
            OnRecreating(this);
    }
    TDock* old = m_dockedTo;
    m_changingPlace = true;
    QWidget::setVisible(false);
    if (old)
        old->BeginArrange();
    if (target && target != old)
        target->BeginArrange();
    if (OnDockChangingHidden)
        OnDockChangingHidden(this, target);

    m_dockedTo = target;
    setContentsMargins(FrameMarginsFor(target));
    ++m_arrangeBlock;
    resize(ArrangeControls(target).grownBy(FrameMarginsFor(target)));
    --m_arrangeBlock;
    if (old)
        leaveDock(old);

    TFloatingWindowParent* oldHost = m_host;
    if (target) {
        watchParentForm(target->window());
        setParent(target);
        m_host = nullptr;
        enterDock(target);
    } else {
        if (!m_host) {
            m_host = new TFloatingWindowParent(m_parentForm,
                                               m_floatingMode == TFloatingMode::fmOnTopOfAllForms,
                                               hasFocusableControl());
            m_host->setWindowTitle(m_caption);
            // The window follows its host's moves and hands its activation back to the form.
            m_host->installEventFilter(this);
        }
        setParent(m_host);
        move(0, 0);
        m_host->setGeometry(QRect(m_floatingPosition, size()));
    }
    if (oldHost && oldHost != m_host)
        oldHost->deleteLater(); // it may be dispatching the very event that moved us

    if (old) {
        old->EndArrange();
        old->ArrangeBars();
    }
    if (target && target != old) {
        target->EndArrange();
        target->ArrangeBars();
    }
    m_changingPlace = false;
    ArrangeSelf();
    applyShownState();
    if (!m_destroying) {
        if (OnMove)
            OnMove(this);
        if (OnRecreated)
            OnRecreated(this);
        if (OnDockChanged)
            OnDockChanged(this);
    }
}

bool TCustomToolWindow::hasFocusableControl() const {
    const QList<QWidget*> controls = findChildren<QWidget*>();
    return std::any_of(controls.begin(), controls.end(), [](const QWidget* control) {
        return control->focusPolicy() != Qt::NoFocus;
    });
}

void TCustomToolWindow::leaveDock(TDock* dock) {
    if (m_useLastDock) {
        dock->UpdateShownBars();
        return;
    }
    dock->RemoveBar(this);
    m_lastDock = nullptr;
}

void TCustomToolWindow::enterDock(TDock* dock) {
    if (m_lastDock && m_lastDock != dock)
        m_lastDock->RemoveBar(this);
    m_lastDock = m_useLastDock ? dock : nullptr;
    dock->InsertBar(this);
}

void TCustomToolWindow::applyShownState() {
    m_changingPlace = true;
    QWidget::setVisible(m_visible);
    m_changingPlace = false;
    if (m_dockedTo)
        m_dockedTo->UpdateShownBars();
    UpdateFloatingVisibility();
}

bool TCustomToolWindow::FloatingWindowShouldShow() const {
    if (!m_visible || !m_parentForm)
        return false;
    if (m_floatingMode == TFloatingMode::fmOnTopOfParentForm &&
        (!m_parentForm->isVisible() || m_parentForm->isMinimized()))
        return false;
    return !m_hideWhenInactive || QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void TCustomToolWindow::UpdateFloatingVisibility() {
    update();
    if (m_dockedTo || !m_host || m_changingPlace)
        return;
    const bool show = FloatingWindowShouldShow();
    if (show == m_host->isVisible())
        return;
    const bool wasActive = m_host->isActiveWindow();
    m_host->setVisible(show);
    if (show)
        m_host->raise();
    else if (wasActive)
        handOverActivation();
}

void TCustomToolWindow::handOverActivation() {
    if (m_parentForm && m_parentForm->isVisible()) {
        m_parentForm->activateWindow();
        return;
    }
    QWidget* fallback = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == m_host || !window->isVisible() || !window->isEnabled())
            continue;
        if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            window->activateWindow();
            return;
        }
        fallback = fallback ? fallback : window;
    }
    if (fallback)
        fallback->activateWindow();
}
