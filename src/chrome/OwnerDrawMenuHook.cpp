#include "OwnerDrawMenuHook.h"

#include "MenuItems.h"
#include "PopupMenus.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace OwnerDrawMenuHook {

namespace {

struct HookState {
    int menuCount = 0;
    QPointer<TOwnerDrawPopupMenu> current;
    QPointer<TOwnerDrawPopupMenu> last;
    bool pending = false;
};

HookState& state() {
    static HookState hook;
    return hook;
}

} // namespace

void menuCreated() {
    ++state().menuCount;
}

void menuDestroyed(TOwnerDrawPopupMenu* menu) {
    HookState& hook = state();
    --hook.menuCount;
    if (hook.current == menu)
        hook.current = nullptr;
    if (hook.last == menu)
        hook.last = nullptr;
    if (hook.menuCount == 0)
        hook.pending = false;
}

int menuCount() {
    return state().menuCount;
}

TOwnerDrawPopupMenu* currentMenu() {
    return state().current;
}

TOwnerDrawPopupMenu* lastMenu() {
    return state().last;
}

bool commandPending() {
    return state().pending;
}

void trackingStarted(TOwnerDrawPopupMenu* menu) {
    state().current = menu;
}

void trackingEnded() {
    HookState& hook = state();
    hook.last = hook.current;
    hook.current = nullptr;
    hook.pending = true;
}

void postCommand(int command) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [command] { dispatchCommand(command); }, Qt::QueuedConnection);
}

bool dispatchCommand(int command) {
    HookState& hook = state();
    const bool routed = (hook.current && hook.current->OwnerDrawn()) || hook.pending;
    if (!routed)
        return false;
    hook.current = hook.last;
    if (!hook.current)
        return false;
    TMenuItem* item = hook.current->FindItem(command);
    if (!item) {
        // A stale current menu would otherwise swallow the next popup of that menu.
        hook.current = nullptr;
        return false;
    }
    hook.pending = false;
    hook.current = nullptr;
    // The menu has triggered the item already (a checkable one toggled): only its handler runs.
    emit item->OnClick(item);
    return true;
}

} // namespace OwnerDrawMenuHook
