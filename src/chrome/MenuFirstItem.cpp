#include "MenuFirstItem.h"

#include <QMenu>
#include <QStyle>
#include <algorithm>

void SelectFirstMenuItem(QMenu* menu) {
    const QList<QAction*> actions = menu->actions();
    const bool disabledChosen =
        menu->style()->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled, nullptr, menu);
    const auto first = std::find_if(actions.begin(), actions.end(), [=](const QAction* action) {
        return action->isVisible() && !action->isSeparator() &&
               (action->isEnabled() || disabledChosen);
    });
    if (first != actions.end())
        menu->setActiveAction(*first);
}
