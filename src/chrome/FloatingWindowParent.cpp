#include "FloatingWindowParent.h"

#include "ChromeContext.h"
#include "ToolWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace {

Qt::WindowFlags hostFlags(bool onTopOfAllForms, bool takesFocus) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint;
    if (onTopOfAllForms)
        flags |= Qt::WindowStaysOnTopHint;
    if (!takesFocus)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

// Numbered within the application's chrome context; a form outside any context gets 0.
quint32 nextHostNumber(const QWidget* parentForm) {
    TChromeContext* context = TChromeContext::of(parentForm);
    return context ? context->nextFloatingHostNumber() : 0;
}

} // namespace

TFloatingWindowParent::TFloatingWindowParent(QWidget* parentForm, bool onTopOfAllForms,
                                             bool takesFocus)
    : QWidget(parentForm, hostFlags(onTopOfAllForms, takesFocus)), m_parentForm(parentForm),
      m_onTopOfAllForms(onTopOfAllForms), m_takesFocus(takesFocus) {
    setObjectName(QStringLiteral("FloatingWindowParent_%1")
                      .arg(nextHostNumber(parentForm), 8, 16, QLatin1Char('0')));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // Clicking a floating window brings it to the top without taking activation from the form.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

// Dying with the form, the host takes its tool window along, first, while the host is still
// whole for the window's leave-taking (its request to delete the host dies with the host).
TFloatingWindowParent::~TFloatingWindowParent() {
    delete toolWindow();
}

void TFloatingWindowParent::setOnTopOfAllForms(bool onTop) {
    m_onTopOfAllForms = onTop;
    applyFlags();
}

void TFloatingWindowParent::setTakesFocus(bool takesFocus) {
    if (m_takesFocus == takesFocus)
        return;
    m_takesFocus = takesFocus;
    applyFlags();
}

void TFloatingWindowParent::applyFlags() {
    const bool wasVisible = isVisible();
    setWindowFlags(hostFlags(m_onTopOfAllForms, m_takesFocus));
    if (wasVisible)
        show();
}

TCustomToolWindow* TFloatingWindowParent::toolWindow() const {
    return findChild<TCustomToolWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

void TFloatingWindowParent::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && m_parentForm) {
        m_parentForm->activateWindow();
        m_parentForm->setFocus();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFloatingWindowParent::closeEvent(QCloseEvent* event) {
    // The system close command on a floating window closes its form.
    event->ignore();
    if (m_parentForm)
        m_parentForm->close();
}
