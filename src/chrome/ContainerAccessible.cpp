#include "ContainerAccessible.h"

#include "Docks.h"
#include "FloatingWindowParent.h"
#include "ToolWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace {

// The names a screen reader speaks for the docks along the main window's edges.
QString edgeName(TDockPosition position) {
    switch (position) {
    case TDockPosition::dpTop:
        return QCoreApplication::translate("TDockAccessible", "Top dock");
    case TDockPosition::dpBottom:
        return QCoreApplication::translate("TDockAccessible", "Bottom dock");
    case TDockPosition::dpLeft:
        return QCoreApplication::translate("TDockAccessible", "Left dock");
    case TDockPosition::dpRight:
        return QCoreApplication::translate("TDockAccessible", "Right dock");
    }
    return {};
}

} // namespace

TDockAccessible::TDockAccessible(TDock* dock) : QAccessibleWidget(dock, QAccessible::Pane) {}

QString TDockAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return edgeName(static_cast<TDock*>(widget())->Position());
    return QAccessibleWidget::text(t);
}

TFloatingHostAccessible::TFloatingHostAccessible(TFloatingWindowParent* host)
    : QAccessibleWidget(host, QAccessible::Window) {}

QString TFloatingHostAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    const auto* guest =
        widget()->findChild<const TCustomToolWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return guest ? guest->Caption() : QString();
}

TStatusBarAccessible::TStatusBarAccessible(QStatusBar* statusBar)
    : QAccessibleWidget(statusBar, QAccessible::StatusBar) {}

QString TStatusBarAccessible::shownText() const {
    const auto* statusBar = static_cast<const QStatusBar*>(widget());
    if (!statusBar->currentMessage().isEmpty())
        return statusBar->currentMessage();
    QStringList texts;
    for (const QLabel* label :
         statusBar->findChildren<const QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (label->isVisibleTo(statusBar) && !label->text().isEmpty())
            texts << label->text();
    return texts.join(u' ');
}

QString TStatusBarAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return shownText();
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
        return QAccessibleWidget::text(t);
    // An empty bar still tells what it is, as the View menu names it.
    const QString shown = shownText();
    return shown.isEmpty() ? QCoreApplication::translate("TStatusBarAccessible", "Status Bar")
                           : shown;
}
