#include "MenuItems.h"

#include "PopupMenus.h"

#include <QActionEvent>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

// Counted for the whole process, not per chrome context: the menu module and the drop-down
// router, both shared by every menu of the process, find items by this number, so two items
// they may see must never share one.
int nextCommand() {
    static int command = 0;
    return ++command;
}

// The radio group of a menu's items with that group index, made when first asked for.
QActionGroup* radioGroup(QObject* menu, int groupIndex) {
    const QString name = QStringLiteral("radio group %1").arg(groupIndex);
    auto* group = menu->findChild<QActionGroup*>(name, Qt::FindDirectChildrenOnly);
    if (!group) {
        group = new QActionGroup(menu);
        group->setObjectName(name);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
    return group;
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

void TMenuItem::setRadioItem(bool radio) {
    if (radio == m_radioItem)
        return;
    m_radioItem = radio;
    if (radio)
        setCheckable(true);
    joinRadioGroup();
    changed();
}

void TMenuItem::setGroupIndex(int groupIndex) {
    if (groupIndex == m_groupIndex)
        return;
    m_groupIndex = groupIndex;
    joinRadioGroup();
}

void TMenuItem::setShortCut(const QKeySequence& shortCut) {
    m_shortCut = shortCut;
    changed();
}

TOwnerDrawPopupMenu* TMenuItem::Submenu() const {
    return qobject_cast<TOwnerDrawPopupMenu*>(menu());
}

void TMenuItem::Click() {
    trigger();
    emit OnClick(this);
}

void TMenuItem::joinRadioGroup() {
    QActionGroup* group = m_radioItem && parent() ? radioGroup(parent(), m_groupIndex) : nullptr;
    if (group == actionGroup())
        return;
    setActionGroup(group);
    // A checked item that joins a group takes the check from the others, as checking it would.
    if (group && isChecked())
        for (QAction* sibling : group->actions())
            if (sibling != this)
                sibling->setChecked(false);
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
