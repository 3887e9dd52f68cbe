#include "MenuItemAccessible.h"

#include "MenuItems.h"
#include "OfficeMenuPainter.h"
#include "PopupMenus.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

TMenuItemAccessible::TMenuItemAccessible(TMenuItem* item) : m_item(item) {}

QMenu* TMenuItemAccessible::menu() const {
    if (!m_item)
        return nullptr;
    for (QObject* shown : m_item->associatedObjects())
        if (auto* owner = qobject_cast<QMenu*>(shown))
            return owner;
    return nullptr;
}

bool TMenuItemAccessible::isValid() const {
    return menu() != nullptr;
}

QObject* TMenuItemAccessible::object() const {
    return m_item;
}

QWindow* TMenuItemAccessible::window() const {
    QMenu* owner = menu();
    return owner ? owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TMenuItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(menu());
}

QAccessibleInterface* TMenuItemAccessible::child(int index) const {
    TOwnerDrawPopupMenu* submenu = m_item ? m_item->Submenu() : nullptr;
    return index == 0 && submenu ? QAccessible::queryAccessibleInterface(submenu) : nullptr;
}

int TMenuItemAccessible::childCount() const {
    return m_item && m_item->Submenu() ? 1 : 0;
}

int TMenuItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child == TMenuItemAccessible::child(0) ? 0 : -1;
}

QAccessibleInterface* TMenuItemAccessible::childAt(int, int) const {
    return nullptr;
}

QAccessibleInterface* TMenuItemAccessible::focusChild() const {
    return nullptr;
}

QString TMenuItemAccessible::text(QAccessible::Text t) const {
    if (!m_item || m_item->isSeparator())
        return {};
    switch (t) {
    case QAccessible::Name:
        return OfficeMenuPainter::displayedCaption(m_item->Caption());
    case QAccessible::Description:
        return m_item->Hint();
    case QAccessible::Accelerator:
        return m_item->ShortCut().toString(QKeySequence::NativeText);
    default:
        return {};
    }
}

void TMenuItemAccessible::setText(QAccessible::Text, const QString&) {}

QRect TMenuItemAccessible::rect() const {
    QMenu* owner = menu();
    if (!owner)
        return {};
    const QRect local = owner->actionGeometry(m_item);
    return QRect(owner->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role TMenuItemAccessible::role() const {
    return m_item && m_item->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State TMenuItemAccessible::state() const {
    QAccessible::State state;
    QMenu* owner = menu();
    if (!owner)
        return state;
    state.invisible = !m_item->isVisible() || !owner->isVisible();
    state.disabled = !m_item->isEnabled();
    state.focusable = !m_item->isSeparator();
    state.focused = state.hotTracked = owner->isVisible() && owner->activeAction() == m_item;
    state.checkable = m_item->isCheckable();
    state.checked = m_item->isChecked();
    state.hasPopup = m_item->Submenu() != nullptr;
    return state;
}

void* TMenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList TMenuItemAccessible::actionNames() const {
    if (!m_item || m_item->isSeparator())
        return {};
    return {m_item->Submenu() ? showMenuAction() : pressAction()};
}

void TMenuItemAccessible::doAction(const QString& actionName) {
    QMenu* owner = menu();
    // A hidden item cannot become the menu's active one, and Enter would choose another.
    if (!owner || !m_item->isEnabled() || !m_item->isVisible() ||
        !actionNames().contains(actionName))
        return;
    if (owner->isVisible()) {
        // The open menu chooses it, as Enter on it would: the menu closes, the mark changes
        // once and the command runs once the menu has returned; a submenu opens.
        owner->setActiveAction(m_item);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(owner, &enter);
        return;
    }
    // A submenu opens from its open menu alone.
    if (m_item->Submenu())
        return;
    QPointer<TMenuItem> item = m_item;
    QMetaObject::invokeMethod(
        item,
        [item] {
            if (item->isEnabled())
                item->Click();
        },
        Qt::QueuedConnection);
}

QStringList TMenuItemAccessible::keyBindingsForAction(const QString& actionName) const {
    const QString key = text(QAccessible::Accelerator);
    if (key.isEmpty() || !actionNames().contains(actionName))
        return {};
    return {key};
}
