#include "FocusFrame.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

void PaintFocusFrameWhenEmpty(QAbstractItemView& view) {
    // A list with items shows the focus on its current one, or needs no frame over its items.
    const bool empty = !view.model() || view.model()->rowCount(view.rootIndex()) == 0;
    if (!view.hasFocus() || !empty)
        return;
    QWidget* viewport = view.viewport();
    QStyleOptionFocusRect option;
    option.initFrom(&view);
    // Styles that show focus only after keyboard moves would leave a clicked empty list
    // without any sign of it: there is no selected item to tell.
    option.state |= QStyle::State_KeyboardFocusChange;
    option.rect = viewport->rect();
    option.backgroundColor = view.palette().color(viewport->backgroundRole());
    QPainter painter(viewport);
    view.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &view);
}
