#include "PopupMenus.h"

#include "ChromeAccessibility.h"
#include "ChromeContext.h"
#include "ChromeEdges.h"
#include "MenuItems.h"
#include "MouseInputHold.h"
#include "OfficeMenuPainter.h"
#include "OwnerDrawMenuHook.h"
#include "OwnerDrawMenuStyle.h"
#include "SystemColors.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionMenuItem>

TOwnerDrawPopupMenu::TOwnerDrawPopupMenu(QWidget* parent) : QMenu(parent) {
    OwnerDrawMenuHook::menuCreated();
    setStyle(TOwnerDrawMenuStyle::instance());
    // Items are drawn in the program's font, not the platform's menu font.
    setFont(QApplication::font());
    setSeparatorsCollapsible(false);
    // The press that closes the menu is held and passed on by whoever tracks it.
    setAttribute(Qt::WA_NoMouseReplay);
    connect(this, &QMenu::hovered, this, &TOwnerDrawPopupMenu::showHint);
    connect(this, &QMenu::hovered, this, &TOwnerDrawPopupMenu::announceHighlight);
}

TOwnerDrawPopupMenu::~TOwnerDrawPopupMenu() {
    OwnerDrawMenuHook::menuDestroyed(this);
}

TMenuItem* TOwnerDrawPopupMenu::AddItem(const QString& caption, int tag) {
    auto* item = new TMenuItem(caption, this);
    item->setTag(tag);
    addAction(item);
    return item;
}

TOwnerDrawPopupMenu* TOwnerDrawPopupMenu::AddSubmenu(TMenuItem* item) {
    if (TOwnerDrawPopupMenu* existing = item->Submenu())
        return existing;
    TOwnerDrawPopupMenu* submenu = createSubmenu();
    submenu->setTitle(item->text());
    item->setMenu(submenu);
    return submenu;
}

TOwnerDrawPopupMenu* TOwnerDrawPopupMenu::createSubmenu() {
    return new TOwnerDrawPopupMenu(this);
}

QList<TMenuItem*> TOwnerDrawPopupMenu::Items() const {
    QList<TMenuItem*> items;
    for (QAction* action : actions())
        if (auto* item = qobject_cast<TMenuItem*>(action))
            items.append(item);
    return items;
}

TMenuItem* TOwnerDrawPopupMenu::FindItem(int command) const {
    for (TMenuItem* item : Items()) {
        if (item->Command() == command)
            return item;
        if (const TOwnerDrawPopupMenu* submenu = item->Submenu())
            if (TMenuItem* found = submenu->FindItem(command))
                return found;
    }
    return nullptr;
}

void TOwnerDrawPopupMenu::setOwnerDrawn(bool ownerDrawn) {
    if (ownerDrawn == m_ownerDrawn)
        return;
    m_ownerDrawn = ownerDrawn;
    // Items are measured by someone else now: have the menu lay them out again.
    if (!actions().isEmpty()) {
        QActionEvent relayout(QEvent::ActionChanged, actions().first());
        QCoreApplication::sendEvent(this, &relayout);
    }
    update();
}

void TOwnerDrawPopupMenu::Popup(int x, int y) {
    if (OwnerDrawMenuHook::currentMenu() == this)
        return;
    OwnerDrawMenuHook::trackingStarted(this);
    const QSize size = sizeHint();
    if (m_alignment == TPopupAlignment::paRight)
        x -= size.width();
    else if (m_alignment == TPopupAlignment::paCenter)
        x -= size.width() / 2;

    TMouseInputHold hold;
    QPointer<TOwnerDrawPopupMenu> self(this);
    QAction* chosen = exec(QPoint(x, y));
    OwnerDrawMenuHook::trackingEnded();
    if (!self)
        return;
    if (auto* item = qobject_cast<TMenuItem*>(chosen))
        OwnerDrawMenuHook::postCommand(item->Command());
    hold.release();
}

TOwnerDrawPopupMenu* TOwnerDrawPopupMenu::drawingMenu() const {
    TOwnerDrawPopupMenu* owner = OwnerDrawMenuHook::currentMenu();
    if (!owner) {
        const TOwnerDrawPopupMenu* top = this;
        while (auto* parentMenu = qobject_cast<const TOwnerDrawPopupMenu*>(top->parentWidget()))
            top = parentMenu;
        owner = const_cast<TOwnerDrawPopupMenu*>(top);
    }
    return owner->OwnerDrawn() ? owner : nullptr;
}

void TOwnerDrawPopupMenu::initStyleOption(QStyleOptionMenuItem* option,
                                          const QAction* action) const {
    QMenu::initStyleOption(option, action);
    m_measuring = action;
}

QSize TOwnerDrawPopupMenu::measuredActionSize() const {
    TOwnerDrawPopupMenu* owner = drawingMenu();
    const auto* action = qobject_cast<const TMenuItem*>(m_measuring);
    if (!owner || !action)
        return QSize();
    TMenuItem* item = owner->FindItem(action->Command());
    if (!item)
        return QSize(0, 0);
    int width = 0;
    int height = 0;
    owner->MeasureItem(item, width, fontMetrics(), height);
    return QSize(width, height);
}

void TOwnerDrawPopupMenu::MeasureItem(TMenuItem* item, int& width, const QFontMetrics& canvas,
                                      int& height) {
    emit OnMeasureItem(item, canvas, width, height);
}

void TOwnerDrawPopupMenu::DrawItem(TMenuItem* item, QPainter& canvas, const QRect& rect,
                                   int state) {
    emit OnDrawItem(item, canvas, rect, state);
}

int TOwnerDrawPopupMenu::itemState(const TMenuItem* item) const {
    int state = 0;
    if (activeAction() == item)
        state |= OfficeMenuPainter::odsSelected;
    if (!item->isEnabled())
        state |= OfficeMenuPainter::odsDisabled;
    if (item->isChecked())
        state |= OfficeMenuPainter::odsChecked;
    return state;
}

void TOwnerDrawPopupMenu::paintFrame(QPainter& painter) const {
    const QRect r = rect().adjusted(0, 0, -1, -1);
    DrawEdge(painter, r, SystemColors::btnFace(), SystemColors::palette().color(QPalette::Shadow));
    DrawEdge(painter, r.adjusted(1, 1, -1, -1), SystemColors::btnHighlight(),
             SystemColors::btnShadow());
}

void TOwnerDrawPopupMenu::paintEvent(QPaintEvent* event) {
    TOwnerDrawPopupMenu* owner = drawingMenu();
    if (!owner) {
        QMenu::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(event->rect(), SystemColors::menu());
    paintFrame(painter);
    painter.setFont(font());
    for (QAction* action : actions()) {
        auto* item = qobject_cast<TMenuItem*>(action);
        const QRect itemRect = actionGeometry(action);
        if (!item || !item->isVisible() || !itemRect.intersects(event->rect()))
            continue;
        TMenuItem* routed = owner->FindItem(item->Command());
        if (!routed)
            continue;
        painter.save();
        painter.setClipRect(itemRect);
        owner->DrawItem(routed, painter, itemRect, itemState(routed));
        painter.restore();
    }
}

bool TOwnerDrawPopupMenu::event(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QMenu::event(event);
}

void TOwnerDrawPopupMenu::showHint(QAction* action) {
    const auto* item = qobject_cast<const TMenuItem*>(action);
    if (TChromeContext* context = TChromeContext::of(this))
        context->events().setHint(item ? item->Hint() : action->statusTip());
}

// A screen reader follows the keyboard through the menu by the item it is on.
void TOwnerDrawPopupMenu::announceHighlight(QAction* action) {
    if (isVisible())
        AnnounceFocus(action);
}
