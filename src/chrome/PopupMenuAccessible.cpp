#include "PopupMenuAccessible.h"

#include "MenuItems.h"
#include "OfficeMenuPainter.h"
#include "PopupMenus.h"
#include "ToolbarButtons.h"

TPopupMenuAccessible::TPopupMenuAccessible(TOwnerDrawPopupMenu* menu)
    : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

TOwnerDrawPopupMenu* TPopupMenuAccessible::menu() const {
    return static_cast<TOwnerDrawPopupMenu*>(widget());
}

QString TPopupMenuAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return OfficeMenuPainter::displayedCaption(menu()->title());
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* TPopupMenuAccessible::parent() const {
    QWidget* owner = menu()->parentWidget();
    if (auto* outer = qobject_cast<TOwnerDrawPopupMenu*>(owner))
        for (TMenuItem* item : outer->Items())
            if (item->Submenu() == menu())
                return QAccessible::queryAccessibleInterface(item);
    if (owner)
        for (TToolbarButton* button : owner->window()->findChildren<TToolbarButton*>())
            if (button->DropdownMenu() == menu())
                return QAccessible::queryAccessibleInterface(button);
    return QAccessibleWidget::parent();
}

int TPopupMenuAccessible::childCount() const {
    return static_cast<int>(menu()->actions().size());
}

QAccessibleInterface* TPopupMenuAccessible::child(int index) const {
    const QList<QAction*> actions = menu()->actions();
    if (index < 0 || index >= actions.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(actions[index]);
}

int TPopupMenuAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    return static_cast<int>(menu()->actions().indexOf(qobject_cast<QAction*>(child->object())));
}

QAccessibleInterface* TPopupMenuAccessible::childAt(int x, int y) const {
    QAction* action = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
    return action ? QAccessible::queryAccessibleInterface(action) : nullptr;
}

QAccessibleInterface* TPopupMenuAccessible::focusChild() const {
    QAction* active = menu()->activeAction();
    return active ? QAccessible::queryAccessibleInterface(active) : nullptr;
}
