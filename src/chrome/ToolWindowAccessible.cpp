#include "ToolWindowAccessible.h"

#include "ToolWindow.h"

#include <algorithm>

TToolWindowAccessible::TToolWindowAccessible(TCustomToolWindow* window, QAccessible::Role role)
    : QAccessibleWidget(window, role) {}

TToolWindowAccessible::~TToolWindowAccessible() {
    for (QAccessible::Id id : m_parts)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

TCustomToolWindow* TToolWindowAccessible::toolWindow() const {
    return static_cast<TCustomToolWindow*>(widget());
}

QString TToolWindowAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return toolWindow()->Caption();
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* TToolWindowAccessible::part(TToolWindowPart which) const {
    QAccessible::Id& id = m_parts[std::size_t(which)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new TToolWindowPartAccessible(toolWindow(), which));
    return QAccessible::accessibleInterface(id);
}

std::vector<QAccessibleInterface*> TToolWindowAccessible::shownParts() const {
    std::vector<QAccessibleInterface*> parts;
    for (TToolWindowPart which : {TToolWindowPart::Grip, TToolWindowPart::Close})
        if (TToolWindowPartAccessible::Shown(*toolWindow(), which))
            parts.push_back(part(which));
    return parts;
}

int TToolWindowAccessible::childCount() const {
    return int(shownParts().size()) + QAccessibleWidget::childCount();
}

QAccessibleInterface* TToolWindowAccessible::child(int index) const {
    const std::vector<QAccessibleInterface*> parts = shownParts();
    if (index < 0)
        return nullptr;
    if (index < int(parts.size()))
        return parts[std::size_t(index)];
    return QAccessibleWidget::child(index - int(parts.size()));
}

int TToolWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<QAccessibleInterface*> parts = shownParts();
    const auto at = std::find(parts.begin(), parts.end(), child);
    if (at != parts.end())
        return int(at - parts.begin());
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? index : index + int(parts.size());
}

QAccessibleInterface* TToolWindowAccessible::childAt(int x, int y) const {
    for (QAccessibleInterface* shown : shownParts())
        if (shown->rect().contains(x, y))
            return shown;
    return QAccessibleWidget::childAt(x, y);
}
