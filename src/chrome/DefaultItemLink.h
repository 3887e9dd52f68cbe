#pragma once

#include "MenuItems.h"

#include <QObject>
#include <QPointer>

// The menu item a control stands for, as a tool button stands for its default action: the
// control shows the item's state now and whenever it changes, and its click chooses the item.
// The link ends when the item is destroyed, leaving the control as it was last shown.
class TDefaultItemLink {
public:
    TMenuItem* item() const { return m_item; }

    // Links `control` to `item` in place of any item linked before; none unlinks. `show`
    // brings the control in step with the item; `clicked` is the control's click signal.
    template <typename Control, typename Clicked>
    void link(Control* control, TMenuItem* item, Clicked clicked, void (Control::*show)()) {
        if (item == m_item)
            return;
        QObject::disconnect(m_changed);
        QObject::disconnect(m_clicked);
        m_item = item;
        if (!item)
            return;
        m_changed = QObject::connect(item, &QAction::changed, control, show);
        m_clicked = QObject::connect(control, clicked, item, &TMenuItem::Click);
        (control->*show)();
    }

private:
    QPointer<TMenuItem> m_item;
    QMetaObject::Connection m_changed;
    QMetaObject::Connection m_clicked;
};
