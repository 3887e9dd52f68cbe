#include "DropdownMenuRouter.h"

#include "ChromeContext.h"
#include "MenuItems.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <memory>

namespace {

// The router while any registered menu holds a share of it.
std::weak_ptr<TDropdownMenuRouter>& sharedRouter() {
    static std::weak_ptr<TDropdownMenuRouter> router;
    return router;
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

// A registered menu's share of the router, a child of the menu: it unregisters the menu when
// the menu goes, and the last share to go takes the router along.
class TDropdownMenuRouter::MenuShare : public QObject {
public:
    MenuShare(QMenu* menu, std::shared_ptr<TDropdownMenuRouter> router)
        : QObject(menu), m_menu(menu), m_router(std::move(router)) {}
    ~MenuShare() override { m_router->remove(m_menu); }

private:
    const QMenu* m_menu; // only compared: the menu is being destroyed when the share goes
    std::shared_ptr<TDropdownMenuRouter> m_router;
};

void TDropdownMenuRouter::registerMenu(QMenu* menu) {
    if (!menu)
        return;
    std::shared_ptr<TDropdownMenuRouter> router = sharedRouter().lock();
    if (!router) {
        router.reset(new TDropdownMenuRouter);
        sharedRouter() = router;
    }
    if (std::find(router->m_menus.begin(), router->m_menus.end(), menu) != router->m_menus.end())
        return;
    router->add(menu);
    new MenuShare(menu, router);
}

TDropdownMenuRouter* TDropdownMenuRouter::instance() {
    return sharedRouter().lock().get();
}

void TDropdownMenuRouter::add(QMenu* menu) {
    m_menus.push_back(menu);
    connect(menu, &QMenu::hovered, this, [this, menu] { highlighted(menu); });
    menu->installEventFilter(this);
}

void TDropdownMenuRouter::remove(const QMenu* menu) {
    m_menus.erase(std::remove(m_menus.begin(), m_menus.end(), menu), m_menus.end());
}

void TDropdownMenuRouter::highlighted(QMenu* menu) {
    QAction* action = menu->activeAction();
    const auto* item = qobject_cast<const TMenuItem*>(action);
    if (TChromeContext* context = TChromeContext::of(menu))
        context->events().setHint(item ? item->Hint() : action ? action->statusTip() : QString());
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
    if (TChromeContext* chrome = TChromeContext::of(menu))
        chrome->events().requestHelp(context, activeFormShowsHelpButton());
    return true;
}
