#include "MenuItems.h"

#include "PopupMenus.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QMenu>

namespace {

int nextCommand() {
    static int command = 0;
    return ++command;
}

} // namespace

TMenuItem::TMenuItem(const QString& caption, QObject* parent)
    : QAction(caption, parent), m_command(nextCommand()) {
    setSeparator(caption == QLatin1String("-"));
}

void TMenuItem::setCaption(const QString& caption) {
    setText(caption);
    setSeparator(caption == QLatin1String("-"));
}

void TMenuItem::setTag(int tag) {
    if (tag == m_tag)
        return;
    m_tag = tag;
    changed();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    if (checked && m_radioItem)
        uncheckGroupSiblings();
    changed();
}

void TMenuItem::setRadioItem(bool radio) {
    if (radio == m_radioItem)
        return;
    m_radioItem = radio;
    if (m_checked && radio)
        uncheckGroupSiblings();
    changed();
}

void TMenuItem::setGroupIndex(int groupIndex) {
    if (groupIndex == m_groupIndex)
        return;
    m_groupIndex = groupIndex;
    if (m_checked && m_radioItem)
        uncheckGroupSiblings();
}

void TMenuItem::setShortCut(const QKeySequence& shortCut) {
    m_shortCut = shortCut;
    changed();
}

TOwnerDrawPopupMenu* TMenuItem::Submenu() const {
    return qobject_cast<TOwnerDrawPopupMenu*>(menu());
}

void TMenuItem::Click() {
    emit OnClick(this);
}

void TMenuItem::uncheckGroupSiblings() {
    const auto* owner = qobject_cast<QMenu*>(parent());
    if (!owner)
        return;
    for (QAction* action : owner->actions()) {
        auto* sibling = qobject_cast<TMenuItem*>(action);
        if (sibling && sibling != this && sibling->m_radioItem && sibling->m_groupIndex == m_groupIndex
            && sibling->m_checked) {
            sibling->m_checked = false;
            sibling->changed();
        }
    }
}

// Tells the menus showing the item to measure and paint it again, as Qt does for its own
// properties.
void TMenuItem::changed() {
    for (QObject* object : associatedObjects()) {
        if (auto* widget = qobject_cast<QWidget*>(object)) {
            QActionEvent event(QEvent::ActionChanged, this);
            QCoreApplication::sendEvent(widget, &event);
        }
    }
}
