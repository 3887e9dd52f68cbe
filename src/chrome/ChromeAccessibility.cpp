#include "ChromeAccessibility.h"

#include "MenuItemAccessible.h"
#include "MenuItems.h"
#include "ToolbarAccessible.h"
#include "ToolbarButtonAccessible.h"
#include "ToolbarButtons.h"
#include "ToolbarSep.h"
#include "Toolbars.h"

#include <QAccessibleWidget>

namespace {

std::function<void(QAccessibleEvent&)>& announcementListener() {
    static std::function<void(QAccessibleEvent&)> listener;
    return listener;
}

// Qt's accessibility cache owns the interfaces it is handed and deletes them with their
// controls.
QAccessibleInterface* chromeInterface(const QString& /*className*/, QObject* object) {
    if (auto* button = qobject_cast<TToolbarButton*>(object))
        return new TToolbarButtonAccessible(button);
    if (auto* separator = qobject_cast<TToolbarSep*>(object))
        return new QAccessibleWidget(separator, QAccessible::Separator);
    if (auto* toolbar = qobject_cast<TCustomToolbar*>(object))
        return new TToolbarAccessible(toolbar);
    if (auto* item = qobject_cast<TMenuItem*>(object))
        return new TMenuItemAccessible(item);
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

void AnnounceFocus(QObject* object) {
    if (!object)
        return;
    QAccessibleEvent focus(object, QAccessible::Focus);
    if (announcementListener())
        announcementListener()(focus);
    QAccessible::updateAccessibility(&focus);
}

void ListenToAnnouncements(std::function<void(QAccessibleEvent&)> listener) {
    announcementListener() = std::move(listener);
}
