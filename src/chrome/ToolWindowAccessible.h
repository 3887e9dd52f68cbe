#pragma once

#include "ToolWindowPartAccessible.h"

#include <QAccessibleWidget>
#include <array>

class TCustomToolWindow;

// A tool window as assistive technology reads it: named by its caption, with the parts it
// draws itself (its grip while docked, its close button) as its first children, ahead of its
// controls.
class TToolWindowAccessible : public QAccessibleWidget {
public:
    explicit TToolWindowAccessible(TCustomToolWindow* window,
                                   QAccessible::Role role = QAccessible::Pane);
    ~TToolWindowAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    TCustomToolWindow* toolWindow() const;

private:
    std::vector<QAccessibleInterface*> shownParts() const;
    QAccessibleInterface* part(TToolWindowPart which) const;

    // The parts' interfaces, made when first asked for and owned by Qt's cache until the window
    // goes.
    mutable std::array<QAccessible::Id, 2> m_parts{};
};
