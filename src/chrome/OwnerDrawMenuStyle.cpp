#include "OwnerDrawMenuStyle.h"

#include "PopupMenus.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>

namespace {

const TOwnerDrawPopupMenu* drawnMenu(const QWidget* widget) {
    const auto* menu = qobject_cast<const TOwnerDrawPopupMenu*>(widget);
    return menu && menu->drawsItself() ? menu : nullptr;
}

} // namespace

TOwnerDrawMenuStyle::TOwnerDrawMenuStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

TOwnerDrawMenuStyle* TOwnerDrawMenuStyle::instance() {
    static QPointer<TOwnerDrawMenuStyle> style;
    if (!style) {
        style = new TOwnerDrawMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

QSize TOwnerDrawMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                           const QWidget* widget) const {
    if (type == CT_MenuItem) {
        if (const TOwnerDrawPopupMenu* menu = drawnMenu(widget)) {
            const QSize measured = menu->measuredActionSize();
            if (measured.isValid())
                return measured;
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TOwnerDrawMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    if (drawnMenu(widget)) {
        switch (metric) {
        case PM_MenuPanelWidth:
            return FrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return Margin;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int TOwnerDrawMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    if (qobject_cast<const TOwnerDrawPopupMenu*>(widget)) {
        switch (hint) {
        case SH_Menu_AllowActiveAndDisabled:
        case SH_Menu_MouseTracking:
            return 1;
        case SH_Menu_FlashTriggeredItem:
        case SH_Menu_FadeOutOnHide:
        case SH_Menu_Scrollable:
        case SH_Menu_SupportsSections:
        case SH_Menu_KeyboardSearch:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
