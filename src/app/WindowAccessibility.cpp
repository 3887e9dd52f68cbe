#include "WindowAccessibility.h"

#include "Main.h"

#include <QAccessibleWidget>

namespace {

// Qt's accessibility cache owns the interface and deletes it with the window.
QAccessibleInterface* windowInterface(const QString& /*className*/, QObject* object) {
    if (auto* form = qobject_cast<TForm1*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
