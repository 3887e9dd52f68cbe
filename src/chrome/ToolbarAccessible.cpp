#include "ToolbarAccessible.h"

#include "ToolbarButtonAccessible.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"

#include <algorithm>

namespace {

bool isMenuBarEntry(const QWidget* control) {
    const auto* button = qobject_cast<const TToolbarButton*>(control);
    return button && AccessibleKindOf(*button) == TButtonAccessibleKind::MenuBarEntry;
}

} // namespace

TToolbarAccessible::TToolbarAccessible(TCustomToolbar* toolbar)
    : TToolWindowAccessible(toolbar, QAccessible::ToolBar) {}

TCustomToolbar* TToolbarAccessible::toolbar() const {
    return static_cast<TCustomToolbar*>(widget());
}

QAccessible::Role TToolbarAccessible::role() const {
    const std::vector<QWidget*> controls = toolbar()->OrderedControls();
    if (!controls.empty() && std::all_of(controls.begin(), controls.end(), isMenuBarEntry))
        return QAccessible::MenuBar;
    return QAccessible::ToolBar;
}
