#include "DropdownMenuRouter.h"

#include "ApplicationEvents.h"
#include "MenuItems.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<TDropdownMenuRouter>& router() {
    static std::unique_ptr<TDropdownMenuRouter> instance;
    return instance;
}

int helpContextOf(const QAction* action) {
    if (const auto* item = qobject_cast<const TMenuItem*>(action))
        return item->HelpContext();
    return 0;
}

// The active window asks for context help in its title bar.
bool activeFormShowsHelpButton() {
    const QWidget* window = QApplication::activeWindow();
    return window && window->windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
}

} // namespace

void TDropdownMenuRouter::registerMenu(QMenu* menu) {
    if (!menu)
        return;
    if (!router())
        router().reset(new TDropdownMenuRouter);
    router()->add(menu);
}

TDropdownMenuRouter* TDropdownMenuRouter::instance() {
    return router().get();
}

void TDropdownMenuRouter::add(QMenu* menu) {
    if (std::find(m_menus.begin(), m_menus.end(), menu) != m_menus.end())
        return;
    m_menus.push_back(menu);
    connect(menu, &QObject::destroyed, this, &TDropdownMenuRouter::menuDestroyed);
    connect(menu, &QMenu::hovered, this, [this, menu] { highlighted(menu); });
    menu->installEventFilter(this);
}

void TDropdownMenuRouter::menuDestroyed(QObject* menu) {
    m_menus.erase(std::remove(m_menus.begin(), m_menus.end(), menu), m_menus.end());
    // The router is inside one of its own slots here: let the event loop delete it.
    if (m_menus.empty())
        router().release()->deleteLater();
}

void TDropdownMenuRouter::highlighted(QMenu* menu) {
    QAction* action = menu->activeAction();
    const auto* item = qobject_cast<const TMenuItem*>(action);
    TApplicationEvents::instance().setHint(item ? item->Hint() : action ? action->statusTip() : QString());
}

bool TDropdownMenuRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || !menu->activeAction())
        return false;
    QAction* action = menu->activeAction();
    int context = helpContextOf(action);
    if (context == 0 && action->menu())
        context = helpContextOf(action->menu()->menuAction());
    TApplicationEvents::instance().requestHelp(context, activeFormShowsHelpButton());
    return true;
}
