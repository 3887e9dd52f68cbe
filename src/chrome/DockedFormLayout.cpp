#include "DockedFormLayout.h"

#include "Docks.h"

#include <QWidget>

TDockedFormLayout::TDockedFormLayout(QWidget* form) : QLayout(form) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TDockedFormLayout::~TDockedFormLayout() = default;

void TDockedFormLayout::addDock(TDock* dock) {
    addChildWidget(dock);
    m_entries.push_back({std::make_unique<QWidgetItem>(dock), dock});
    invalidate();
}

void TDockedFormLayout::setClient(QWidget* client) {
    addChildWidget(client);
    addItem(new QWidgetItem(client));
}

void TDockedFormLayout::addItem(QLayoutItem* item) {
    m_entries.push_back({std::unique_ptr<QLayoutItem>(item), nullptr});
    invalidate();
}

QLayoutItem* TDockedFormLayout::itemAt(int index) const {
    return index >= 0 && index < count() ? m_entries[static_cast<std::size_t>(index)].item.get()
                                         : nullptr;
}

QLayoutItem* TDockedFormLayout::takeAt(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    const auto at = m_entries.begin() + index;
    QLayoutItem* item = at->item.release();
    m_entries.erase(at);
    invalidate();
    return item;
}

int TDockedFormLayout::count() const {
    return static_cast<int>(m_entries.size());
}

QLayoutItem* TDockedFormLayout::client() const {
    for (const Entry& entry : m_entries)
        if (!entry.dock)
            return entry.item.get();
    return nullptr;
}

QSize TDockedFormLayout::docksExtent() const {
    QSize extent(0, 0);
    for (const Entry& entry : m_entries) {
        if (!entry.dock || entry.dock->isHidden())
            continue;
        if (IsVerticalDock(entry.dock->Position()))
            extent.rwidth() += entry.dock->Thickness();
        else
            extent.rheight() += entry.dock->Thickness();
    }
    return extent;
}

QSize TDockedFormLayout::sizeHint() const {
    const QLayoutItem* item = client();
    return docksExtent() + (item ? item->sizeHint() : QSize(0, 0));
}

QSize TDockedFormLayout::minimumSize() const {
    const QLayoutItem* item = client();
    return docksExtent() + (item ? item->minimumSize() : QSize(0, 0));
}

Qt::Orientations TDockedFormLayout::expandingDirections() const {
    return Qt::Horizontal | Qt::Vertical;
}

// Edges are taken in the order top, bottom, left, right, so that the top and bottom docks
// span the whole width and the side docks fit between them.
void TDockedFormLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    QRect free = rect;
    for (TDockPosition edge : {TDockPosition::dpTop, TDockPosition::dpBottom,
                               TDockPosition::dpLeft, TDockPosition::dpRight}) {
        for (const Entry& entry : m_entries) {
            if (!entry.dock || entry.dock->isHidden() || entry.dock->Position() != edge)
                continue;
            const int thickness = entry.dock->Thickness();
            QRect bounds = free;
            switch (edge) {
            case TDockPosition::dpTop:
                bounds.setHeight(thickness);
                free.setTop(free.top() + thickness);
                break;
            case TDockPosition::dpBottom:
                bounds.setTop(free.bottom() + 1 - thickness);
                free.setBottom(free.bottom() - thickness);
                break;
            case TDockPosition::dpLeft:
                bounds.setWidth(thickness);
                free.setLeft(free.left() + thickness);
                break;
            case TDockPosition::dpRight:
                bounds.setLeft(free.right() + 1 - thickness);
                free.setRight(free.right() - thickness);
                break;
            }
            entry.item->setGeometry(bounds);
        }
    }
    for (const Entry& entry : m_entries)
        if (!entry.dock)
            entry.item->setGeometry(free);
}

void LayoutDockedForm(QWidget* form, TDock* top, TDock* bottom, TDock* left, TDock* right,
                      QWidget* client) {
    auto* layout = new TDockedFormLayout(form);
    for (TDock* dock : {top, bottom, left, right})
        layout->addDock(dock);
    layout->setClient(client);
}
