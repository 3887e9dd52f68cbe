#include "ToolbarKeyboard.h"

#include "ChromeAccessibility.h"
#include "Docks.h"
#include "MenuFirstItem.h"
#include "ToolbarButtons.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <algorithm>

TToolbarKeyboard::TToolbarKeyboard(TCustomToolbar* bar) : TBarKeyboard(bar) {}

TToolbarKeyboard* TToolbarKeyboard::Install(TCustomToolbar* bar) {
    if (TToolbarKeyboard* existing = Of(bar))
        return existing;
    return new TToolbarKeyboard(bar);
}

TToolbarKeyboard* TToolbarKeyboard::Of(const TCustomToolbar* bar) {
    return installedOn<TToolbarKeyboard>(bar);
}

std::vector<TKeyboardStop> TToolbarKeyboard::stops(const std::vector<QWidget*>& controls) const {
    std::vector<TKeyboardStop> stops;
    for (const QWidget* control : controls)
        stops.push_back({.separator = qobject_cast<const TToolbarSep*>(control) != nullptr,
                         .visible = control->isVisible(),
                         .enabled = control->isEnabled()});
    return stops;
}

bool TToolbarKeyboard::vertical() const {
    return m_bar->PlaceFor(m_bar->DockedTo()) == TToolbarPlace::DockedVertical;
}

bool TToolbarKeyboard::CanEnter() const {
    return m_bar->isVisible() && m_bar->isEnabled() &&
           NextKeyboardStop(stops(m_bar->OrderedControls()), std::nullopt, TKeyboardStep::First);
}

void TToolbarKeyboard::Enter(TKeyboardStep step) {
    const std::vector<QWidget*> controls = m_bar->OrderedControls();
    if (const auto to = NextKeyboardStop(stops(controls), std::nullopt, step))
        highlight(controls[*to]);
}

void TToolbarKeyboard::Leave() {
    QWidget* was = m_highlighted;
    m_highlighted = nullptr;
    if (!was)
        return;
    was->update();
    AnnounceFocus(QApplication::focusWidget());
}

void TToolbarKeyboard::move(TKeyboardStep step) {
    const std::vector<QWidget*> controls = m_bar->OrderedControls();
    const auto at = std::find(controls.begin(), controls.end(), m_highlighted.data());
    const std::optional<std::size_t> from =
        at == controls.end() ? std::nullopt : std::optional(std::size_t(at - controls.begin()));
    if (const auto to = NextKeyboardStop(stops(controls), from, step))
        highlight(controls[*to]);
}

void TToolbarKeyboard::highlight(QWidget* control) {
    if (m_highlighted && m_highlighted != control)
        m_highlighted->update();
    m_highlighted = control;
    control->update();
    AnnounceFocus(control);
}

// Runs from the event loop, as a click would: a command that opens a dialog or a menu does not
// run inside the key's delivery.
void TToolbarKeyboard::press() {
    QPointer<QWidget> control = m_highlighted;
    auto* button = qobject_cast<TToolbarButton*>(control);
    if (button && button->HasDropdown() && !button->DropdownCombo()) {
        openMenu();
        return;
    }
    QTimer::singleShot(0, this, [this, control] {
        if (!control || !control->isEnabled())
            return;
        if (auto* toolbarButton = qobject_cast<TToolbarButton*>(control))
            toolbarButton->Click();
        else if (auto* pushButton = qobject_cast<QAbstractButton*>(control))
            pushButton->click();
        // A command that disabled its own control hands the keyboard on.
        if (control && m_highlighted == control && !control->isEnabled())
            move(TKeyboardStep::Next);
    });
}

void TToolbarKeyboard::openMenu() {
    QPointer<TToolbarButton> button = qobject_cast<TToolbarButton*>(m_highlighted);
    if (!button || !button->HasDropdown() || !button->DropdownMenu())
        return;
    QTimer::singleShot(0, this, [this, button] {
        if (!button)
            return;
        QPointer<TToolbarKeyboard> self(this);
        m_keyboardMenu = button->DropdownMenu();
        // Returns once the menu has closed; the keyboard stays on the button.
        button->DropDown();
        if (self)
            m_keyboardMenu = nullptr;
    });
}

// The control draws itself first, then the focus rectangle goes over it.
void TToolbarKeyboard::paintHighlight(QWidget* control, QEvent* paint) {
    static_cast<QObject*>(control)->event(paint);
    QPainter painter(control);
    QStyleOptionFocusRect option;
    option.initFrom(control);
    option.rect = control->rect().adjusted(2, 2, -2, -2);
    option.state |= QStyle::State_KeyboardFocusChange;
    option.backgroundColor = control->palette().color(QPalette::Button);
    control->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, control);
}

bool TToolbarKeyboard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        if (!m_highlighted || watched != m_highlighted)
            return false;
        paintHighlight(m_highlighted, event);
        return true;
    case QEvent::Show:
        if (watched == m_keyboardMenu)
            SelectFirstMenuItem(m_keyboardMenu);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::ApplicationDeactivate:
        Leave();
        return false;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        if (watched == form() || watched == m_bar)
            Leave();
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    if (!m_highlighted || !formIsActive())
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    // Alt pressed and released alone is the menu bar's: the keyboard goes there.
    if (key->key() == Qt::Key_Alt) {
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
            m_altAlone = true;
        else if (event->type() == QEvent::KeyRelease && m_altAlone)
            Leave();
        return false;
    }
    if (event->type() == QEvent::KeyRelease)
        return false;
    m_altAlone = false;
    // While the keyboard is on the toolbar its keys are the toolbar's, not shortcuts; any
    // other key leaves the toolbar and goes on.
    const TToolbarKey action = ToolbarKeyAction(key->key(), key->modifiers(), vertical());
    if (action == TToolbarKey::Stay)
        return false;
    if (action == TToolbarKey::PassOn) {
        Leave();
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        perform(action);
    event->accept();
    return true;
}

void TToolbarKeyboard::perform(TToolbarKey action) {
    switch (action) {
    case TToolbarKey::Next:
        move(TKeyboardStep::Next);
        break;
    case TToolbarKey::Previous:
        move(TKeyboardStep::Previous);
        break;
    case TToolbarKey::First:
        move(TKeyboardStep::First);
        break;
    case TToolbarKey::Last:
        move(TKeyboardStep::Last);
        break;
    case TToolbarKey::Press:
        press();
        break;
    case TToolbarKey::OpenMenu:
        openMenu();
        break;
    case TToolbarKey::Leave:
        Leave();
        break;
    default:
        break;
    }
}
