#include "ChromeAccessibility.h"

#include "ChromeContext.h"
#include "ContainerAccessible.h"
#include "Docks.h"
#include "FloatingWindowParent.h"
#include "MenuItemAccessible.h"
#include "MenuItems.h"
#include "PopupMenuAccessible.h"
#include "PopupMenus.h"
#include "ToolWindowAccessible.h"
#include "ToolbarAccessible.h"
#include "ToolbarButtonAccessible.h"
#include "ToolbarButtons.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QAccessibleWidget>
#include <QStatusBar>

namespace {

// Qt's accessibility cache owns the interfaces it is handed and deletes them with their
// controls.
QAccessibleInterface* chromeInterface(const QString& /*className*/, QObject* object) {
    if (auto* button = qobject_cast<TToolbarButton*>(object))
        return new TToolbarButtonAccessible(button);
    if (auto* separator = qobject_cast<TToolbarSep*>(object))
        return new QAccessibleWidget(separator, QAccessible::Separator);
    if (auto* toolbar = qobject_cast<TCustomToolbar*>(object))
        return new TToolbarAccessible(toolbar);
    if (auto* window = qobject_cast<TCustomToolWindow*>(object))
        return new TToolWindowAccessible(window);
    if (auto* item = qobject_cast<TMenuItem*>(object))
        return new TMenuItemAccessible(item);
    if (auto* menu = qobject_cast<TOwnerDrawPopupMenu*>(object))
        return new TPopupMenuAccessible(menu);
    if (auto* dock = qobject_cast<TDock*>(object))
        return new TDockAccessible(dock);
    if (auto* host = qobject_cast<TFloatingWindowParent*>(object))
        return new TFloatingHostAccessible(host);
    if (auto* statusBar = qobject_cast<QStatusBar*>(object))
        return new TStatusBarAccessible(statusBar);
    return nullptr;
}

} // namespace

void InstallChromeAccessibility() {
    // The framework keeps a list of factories: a second install would only ask twice.
    static const bool installed = [] {
        QAccessible::installFactory(chromeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

namespace {

void announce(QObject* object, QAccessible::Event type) {
    if (!object)
        return;
    QAccessibleEvent event(object, type);
    if (const TChromeContext* context = TChromeContext::of(object))
        context->announce(event);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void AnnounceFocus(QObject* object) {
    announce(object, QAccessible::Focus);
}

void AnnounceNameChange(QObject* object) {
    announce(object, QAccessible::NameChanged);
}
