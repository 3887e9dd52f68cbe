#pragma once

#include <QAccessibleWidget>

class TToolbarButton;

// What a toolbar button is to assistive technology, read from how it is set up: a plain push
// button, a latching one (grouped, or held down), one whose arrow part opens a menu beside a
// main part that runs a command, one whose whole face opens a menu behind an arrow, or a
// menu bar's caption (the whole face opens the menu and no arrow shows).
enum class TButtonAccessibleKind { Push, Toggle, Split, MenuButton, MenuBarEntry };

TButtonAccessibleKind AccessibleKindOf(const TToolbarButton& button);

// A toolbar button as Qt's own tool buttons and menu-bar entries present themselves: the role
// of its kind, the hint (or the caption) as name, the caption beside a hint as value and
// description (the version the version button would stamp), its latched, disabled and menu
// states, and the actions a screen reader offers, each doing what a click on the button (or on
// its arrow) does. The menu it opens is its last child, as Qt's menu-bar entries and split tool
// buttons hold theirs, so that a screen reader reaches its items while it is closed.
class TToolbarButtonAccessible : public QAccessibleWidget {
public:
    explicit TToolbarButtonAccessible(TToolbarButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    TToolbarButton* button() const;
    bool opensMenuWhole() const;
    bool offersMenu() const;
    QAccessibleInterface* menuChild() const;
};
