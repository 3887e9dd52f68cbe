#include "ToolWindowPartAccessible.h"

#include "ToolWindow.h"

#include <QWindow>

namespace {

QRect partRect(const TCustomToolWindow& window, TToolWindowPart part) {
    return part == TToolWindowPart::Grip ? window.GripRect() : window.CloseButtonRect();
}

} // namespace

TToolWindowPartAccessible::TToolWindowPartAccessible(TCustomToolWindow* window,
                                                     TToolWindowPart part)
    : m_window(window), m_part(part) {}

bool TToolWindowPartAccessible::Shown(const TCustomToolWindow& window, TToolWindowPart part) {
    return !partRect(window, part).isEmpty();
}

QRect TToolWindowPartAccessible::localRect() const {
    return m_window ? partRect(*m_window, m_part) : QRect();
}

bool TToolWindowPartAccessible::isValid() const {
    return m_window != nullptr;
}

// A drawn part has no object of its own.
QObject* TToolWindowPartAccessible::object() const {
    return nullptr;
}

QWindow* TToolWindowPartAccessible::window() const {
    return m_window ? m_window->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TToolWindowPartAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_window);
}

QAccessibleInterface* TToolWindowPartAccessible::child(int) const {
    return nullptr;
}

int TToolWindowPartAccessible::childCount() const {
    return 0;
}

int TToolWindowPartAccessible::indexOfChild(const QAccessibleInterface*) const {
    return -1;
}

QAccessibleInterface* TToolWindowPartAccessible::childAt(int, int) const {
    return nullptr;
}

QString TToolWindowPartAccessible::text(QAccessible::Text t) const {
    if (!m_window || t != QAccessible::Name)
        return {};
    if (m_part == TToolWindowPart::Grip)
        //: The grip a docked toolbar is dragged by; %1 is the toolbar's caption.
        return tr("Move %1").arg(m_window->Caption());
    //: The button that closes a floating toolbar's window.
    return tr("Close");
}

void TToolWindowPartAccessible::setText(QAccessible::Text, const QString&) {}

QRect TToolWindowPartAccessible::rect() const {
    if (!m_window)
        return {};
    const QRect local = localRect();
    return QRect(m_window->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role TToolWindowPartAccessible::role() const {
    return m_part == TToolWindowPart::Grip ? QAccessible::Grip : QAccessible::PushButton;
}

QAccessible::State TToolWindowPartAccessible::state() const {
    QAccessible::State state;
    state.invisible = !m_window || !m_window->isVisible() || localRect().isEmpty();
    state.disabled = m_window && !m_window->isEnabled();
    return state;
}

void* TToolWindowPartAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList TToolWindowPartAccessible::actionNames() const {
    if (m_part == TToolWindowPart::Grip)
        return {};
    return {pressAction()};
}

// The window closes once the framework's call has returned, as a click on the button closes it
// from the event loop.
void TToolWindowPartAccessible::doAction(const QString& actionName) {
    if (!m_window || !m_window->isEnabled() || !actionNames().contains(actionName) ||
        localRect().isEmpty())
        return;
    QPointer<TCustomToolWindow> window = m_window;
    QMetaObject::invokeMethod(
        window, [window] { window->CloseByButton(); }, Qt::QueuedConnection);
}

QStringList TToolWindowPartAccessible::keyBindingsForAction(const QString&) const {
    return {};
}
