#pragma once

#include <QAccessibleWidget>

class TOwnerDrawPopupMenu;

// A popup menu as assistive technology reads Qt's own: a popup menu named by its title (or
// accessible name) whose children are its items, and whose parent is what opens it: the item
// of its submenu's menu, or the toolbar button (a menu bar's caption, the version button)
// whose menu it is. Qt's own menu would name the application as the parent of a menu that no
// Qt menu bar holds, so that the tree read downwards and the tree read upwards disagreed.
class TPopupMenuAccessible : public QAccessibleWidget {
public:
    explicit TPopupMenuAccessible(TOwnerDrawPopupMenu* menu);

    QString text(QAccessible::Text t) const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    TOwnerDrawPopupMenu* menu() const;
};
