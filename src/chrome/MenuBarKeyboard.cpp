#include "MenuBarKeyboard.h"

#include "ChromeAccessibility.h"
#include "MenuFirstItem.h"
#include "ToolbarButtonAccessible.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>
#include <algorithm>

namespace {

bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Meta ||
           key == Qt::Key_Alt || key == Qt::Key_AltGr;
}

// No modifier held but the allowed ones.
bool plain(const QKeyEvent* key, Qt::KeyboardModifiers allowed = Qt::NoModifier) {
    return (key->modifiers() & ~(allowed | Qt::KeypadModifier)) == 0;
}

QMenu* topMenuOf(QMenu* menu) {
    while (auto* parent = qobject_cast<QMenu*>(menu->parentWidget()))
        menu = parent;
    return menu;
}

} // namespace

TMenuBarKeyboard::TMenuBarKeyboard(TCustomToolbar* bar) : TBarKeyboard(bar) {}

TMenuBarKeyboard* TMenuBarKeyboard::Install(TCustomToolbar* bar) {
    if (TMenuBarKeyboard* existing = Of(bar))
        return existing;
    return new TMenuBarKeyboard(bar);
}

TMenuBarKeyboard* TMenuBarKeyboard::Of(const TCustomToolbar* bar) {
    return installedOn<TMenuBarKeyboard>(bar);
}

bool TMenuBarKeyboard::HasKeyboard(const TToolbarButton* button) {
    const TMenuBarKeyboard* keyboard =
        Of(qobject_cast<const TCustomToolbar*>(button->parentWidget()));
    return keyboard && keyboard->Highlighted() == button;
}

std::vector<TToolbarButton*> TMenuBarKeyboard::captions() const {
    std::vector<TToolbarButton*> captions;
    for (QWidget* control : m_bar->OrderedControls()) {
        auto* button = qobject_cast<TToolbarButton*>(control);
        if (button && button->isVisible() && button->isEnabled() && button->DropdownMenu() &&
            AccessibleKindOf(*button) == TButtonAccessibleKind::MenuBarEntry)
            captions.push_back(button);
    }
    return captions;
}

TToolbarButton* TMenuBarKeyboard::neighbour(const TToolbarButton* from, int step) const {
    const std::vector<TToolbarButton*> all = captions();
    if (all.empty())
        return nullptr;
    const auto at = std::find(all.begin(), all.end(), from);
    if (at == all.end())
        return all.front();
    const int count = int(all.size());
    return all[std::size_t(((at - all.begin()) + step + count) % count)];
}

TToolbarButton* TMenuBarKeyboard::openedFrom(const QMenu* menu) const {
    for (TToolbarButton* caption : captions())
        if (caption->DropdownMenu() == menu && caption->Clicking())
            return caption;
    return nullptr;
}

bool TMenuBarKeyboard::menuTracked() const {
    const std::vector<TToolbarButton*> all = captions();
    return std::any_of(all.begin(), all.end(),
                       [](const TToolbarButton* b) { return b->Clicking(); });
}

bool TMenuBarKeyboard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::ApplicationDeactivate:
        m_altAlone = false;
        if (m_highlighted)
            leave();
        return false;
    case QEvent::WindowDeactivate:
        if (watched == form() && m_highlighted)
            leave();
        return false;
    case QEvent::Show:
        if (watched == m_keyboardMenu)
            SelectFirstMenuItem(m_keyboardMenu);
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    trackAlt(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        if (!m_highlighted || !formIsActive())
            return false;
        // While the keyboard is on the bar its keys are the bar's, not shortcuts; any other
        // key leaves the bar and may still be a shortcut.
        switch (barKey(key).kind) {
        case BarKey::PassOn:
            leave();
            [[fallthrough]];
        case BarKey::Ignore:
            return false;
        default:
            event->accept();
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    if (auto* menu = qobject_cast<QMenu*>(watched))
        return menuKey(menu, key);
    if (!formIsActive())
        return false;
    if (m_highlighted)
        return takeBarKey(key);
    if (key->key() == Qt::Key_F10 && plain(key)) {
        toggle();
        return true;
    }
    return false;
}

// Alt released with nothing else pressed in between toggles the bar; Alt+letter never does,
// its shortcut having been asked for the letter first.
void TMenuBarKeyboard::trackAlt(QObject* watched, QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_Alt) {
        if (event->type() != QEvent::KeyRelease)
            m_altAlone = false;
        return;
    }
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        m_altAlone = plain(key, Qt::AltModifier) && formIsActive();
    else if (event->type() == QEvent::KeyRelease && m_altAlone && formIsActive() &&
             !qobject_cast<QMenu*>(watched)) {
        m_altAlone = false;
        toggle();
    }
}

TMenuBarKeyboard::BarKey TMenuBarKeyboard::barKey(const QKeyEvent* key) const {
    switch (key->key()) {
    case Qt::Key_Left:
        return {BarKey::Move, neighbour(m_highlighted, -1)};
    case Qt::Key_Right:
        return {BarKey::Move, neighbour(m_highlighted, 1)};
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return {BarKey::Open, m_highlighted};
    case Qt::Key_Escape:
    case Qt::Key_F10:
        return {BarKey::Leave, nullptr};
    default:
        break;
    }
    if (isModifierKey(key->key()))
        return {BarKey::Ignore, nullptr};
    // A caption's letter opens it, as Alt and the letter would.
    if (plain(key, Qt::ShiftModifier)) {
        for (TToolbarButton* caption : captions()) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(caption->Caption());
            if (!mnemonic.isEmpty() && mnemonic[0].key() == key->key())
                return {BarKey::Open, caption};
        }
    }
    return {BarKey::PassOn, nullptr};
}

bool TMenuBarKeyboard::takeBarKey(QKeyEvent* key) {
    const BarKey action = barKey(key);
    switch (action.kind) {
    case BarKey::Move:
        highlight(action.caption);
        return true;
    case BarKey::Open:
        openLater(action.caption);
        return true;
    case BarKey::Leave:
        leave();
        return true;
    case BarKey::PassOn:
        // Any other key leaves the bar and goes where the focus is.
        leave();
        return false;
    case BarKey::Ignore:
        break;
    }
    return false;
}

bool TMenuBarKeyboard::menuKey(QMenu* menu, QKeyEvent* key) {
    QMenu* top = topMenuOf(menu);
    TToolbarButton* opener = openedFrom(top);
    if (!opener)
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
        // In a submenu Left closes the submenu.
        if (menu != top)
            return false;
        m_next = neighbour(opener, -1);
        break;
    case Qt::Key_Right:
        if (QAction* active = menu->activeAction(); active && active->menu() && active->isEnabled())
            return false;
        m_next = neighbour(opener, 1);
        break;
    case Qt::Key_Escape:
        // The menu closes itself; one opened from the bar gives the keyboard back to it.
        if (menu == top && top == m_keyboardMenu) {
            m_backTo = opener;
            QTimer::singleShot(0, this, &TMenuBarKeyboard::afterMenu);
        }
        return false;
    default:
        return false;
    }
    if (m_next == opener) {
        m_next = nullptr;
        return true;
    }
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QTimer::singleShot(0, this, &TMenuBarKeyboard::afterMenu);
    return true;
}

void TMenuBarKeyboard::toggle() {
    if (m_highlighted)
        leave();
    else
        highlight(neighbour(nullptr, 0));
}

void TMenuBarKeyboard::highlight(TToolbarButton* button) {
    if (!button)
        return;
    if (m_highlighted && m_highlighted != button)
        m_highlighted->MouseLeave();
    m_highlighted = button;
    button->MouseEnter();
    AnnounceFocus(button);
}

void TMenuBarKeyboard::leave() {
    TToolbarButton* was = m_highlighted;
    m_highlighted = nullptr;
    if (!was)
        return;
    was->MouseLeave();
    AnnounceFocus(QApplication::focusWidget());
}

void TMenuBarKeyboard::openLater(TToolbarButton* button) {
    if (m_highlighted) {
        m_highlighted->MouseLeave();
        m_highlighted = nullptr;
    }
    m_next = button;
    QTimer::singleShot(0, this, &TMenuBarKeyboard::afterMenu);
}

// Runs from the event loop once the menu that was open has finished tracking: a menu's tracking
// loop may still be unwinding when the key that closed it has been handled.
void TMenuBarKeyboard::afterMenu() {
    if (menuTracked()) {
        QTimer::singleShot(0, this, &TMenuBarKeyboard::afterMenu);
        return;
    }
    if (TToolbarButton* next = m_next) {
        m_next = nullptr;
        m_backTo = nullptr;
        open(next);
    } else if (TToolbarButton* back = m_backTo) {
        m_backTo = nullptr;
        highlight(back);
    }
}

void TMenuBarKeyboard::open(TToolbarButton* button) {
    if (!button->isEnabled() || !button->isVisible())
        return;
    QPointer<TMenuBarKeyboard> self(this);
    m_keyboardMenu = button->DropdownMenu();
    // Returns once the menu has closed.
    button->Click();
    if (self)
        m_keyboardMenu = nullptr;
}
