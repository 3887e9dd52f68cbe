#include "ToolbarButtonAccessible.h"

#include "MenuBarKeyboard.h"
#include "OfficeMenuPainter.h"
#include "ToolbarButtons.h"
#include "ToolbarKeyboard.h"
#include "Toolbars.h"

#include <QKeySequence>

TButtonAccessibleKind AccessibleKindOf(const TToolbarButton& button) {
    using enum TButtonAccessibleKind;
    if (button.HasDropdown()) {
        if (button.DropdownCombo())
            return Split;
        return button.DropdownArrow() ? MenuButton : MenuBarEntry;
    }
    return button.GroupIndex() != 0 || button.Down() ? Toggle : Push;
}

TToolbarButtonAccessible::TToolbarButtonAccessible(TToolbarButton* button)
    : QAccessibleWidget(button, QAccessible::PushButton) {}

TToolbarButton* TToolbarButtonAccessible::button() const {
    return static_cast<TToolbarButton*>(widget());
}

bool TToolbarButtonAccessible::opensMenuWhole() const {
    const TButtonAccessibleKind kind = AccessibleKindOf(*button());
    return kind == TButtonAccessibleKind::MenuButton || kind == TButtonAccessibleKind::MenuBarEntry;
}

bool TToolbarButtonAccessible::offersMenu() const {
    return button()->HasDropdown() && button()->DropdownMenu();
}

QAccessibleInterface* TToolbarButtonAccessible::menuChild() const {
    return offersMenu() ? QAccessible::queryAccessibleInterface(button()->DropdownMenu()) : nullptr;
}

QAccessible::Role TToolbarButtonAccessible::role() const {
    switch (AccessibleKindOf(*button())) {
    case TButtonAccessibleKind::Toggle:
        return QAccessible::CheckBox;
    case TButtonAccessibleKind::Split:
    case TButtonAccessibleKind::MenuButton:
        return QAccessible::ButtonMenu;
    case TButtonAccessibleKind::MenuBarEntry:
        return QAccessible::MenuItem;
    case TButtonAccessibleKind::Push:
        break;
    }
    return QAccessible::PushButton;
}

QAccessible::State TToolbarButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const TToolbarButton* b = button();
    if (AccessibleKindOf(*b) == TButtonAccessibleKind::Toggle) {
        state.checkable = true;
        state.checked = b->Down();
    }
    if (AccessibleKindOf(*b) == TButtonAccessibleKind::MenuBarEntry) {
        // The keyboard reaches a menu bar's captions without taking the focus from its place.
        state.focusable =
            TMenuBarKeyboard::Of(qobject_cast<const TCustomToolbar*>(b->parentWidget())) != nullptr;
        state.focused = TMenuBarKeyboard::HasKeyboard(b);
    } else if (const TToolbarKeyboard* keyboard =
                   TToolbarKeyboard::Of(qobject_cast<const TCustomToolbar*>(b->parentWidget()))) {
        state.focusable = true;
        state.focused = keyboard->Highlighted() == b;
    }
    if (b->HasDropdown()) {
        state.hasPopup = true;
        state.expandable = true;
        state.expanded = b->DropdownMenu() && b->DropdownMenu()->isVisible();
    }
    return state;
}

QString TToolbarButtonAccessible::text(QAccessible::Text t) const {
    const TToolbarButton* b = button();
    const QString caption = OfficeMenuPainter::displayedCaption(b->Caption());
    switch (t) {
    case QAccessible::Name:
        if (!b->accessibleName().isEmpty())
            return b->accessibleName();
        return b->Hint().isEmpty() ? caption : b->Hint();
    case QAccessible::Value:
        // A caption beside the hint is what the button would apply.
        return b->Hint().isEmpty() ? QString() : caption;
    case QAccessible::Description:
        // The AT-SPI bridge passes no value of a button on: the description tells it.
        if (!b->Hint().isEmpty() && !caption.isEmpty())
            return caption;
        return QAccessibleWidget::text(t);
    case QAccessible::Accelerator:
        return QKeySequence::mnemonic(b->Caption()).toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

int TToolbarButtonAccessible::childCount() const {
    return QAccessibleWidget::childCount() + (menuChild() ? 1 : 0);
}

QAccessibleInterface* TToolbarButtonAccessible::child(int index) const {
    const int widgets = QAccessibleWidget::childCount();
    return index == widgets ? menuChild() : QAccessibleWidget::child(index);
}

int TToolbarButtonAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child && child == menuChild())
        return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}

QStringList TToolbarButtonAccessible::actionNames() const {
    QStringList names{pressAction()};
    if (opensMenuWhole() || offersMenu())
        names << showMenuAction();
    return names;
}

// The click runs once the framework's call has returned, as Qt's own buttons animate theirs:
// a command that opens a dialog or a menu must not hold the assistive technology's request.
void TToolbarButtonAccessible::doAction(const QString& actionName) {
    TToolbarButton* b = button();
    if (!b->isEnabled() || !actionNames().contains(actionName))
        return;
    const bool arrow = actionName == showMenuAction() && !opensMenuWhole();
    QMetaObject::invokeMethod(
        b,
        [b, arrow] {
            if (!b->isEnabled())
                return;
            if (arrow)
                b->DropDown();
            else
                b->Click();
        },
        Qt::QueuedConnection);
}

QStringList TToolbarButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    const QString key = text(QAccessible::Accelerator);
    if (key.isEmpty() || actionName != (opensMenuWhole() ? showMenuAction() : pressAction()))
        return {};
    return {key};
}
