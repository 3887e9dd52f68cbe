#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QMenu;
class TMenuItem;

// An item of the office menus as assistive technology reads it: a menu item (or separator)
// named by its caption, with its mark, radio, disabled and submenu states and its shortcut,
// whose "press" chooses it exactly as the keyboard does: in an open menu the menu itself
// chooses it, so the mark and the command can never disagree; in a closed one the item is
// clicked. An item that opens a submenu offers "showMenu" instead, which opens it from its
// open menu.
class TMenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit TMenuItemAccessible(TMenuItem* item);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QMenu* menu() const;

    QPointer<TMenuItem> m_item;
};
