#include "ListItemDelegate.h"

#include "CaptionWidths.h"

#include <QAbstractItemView>
#include <QListView>
#include <QPainter>

void TListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    if (!m_options.RowSelect && index.column() > 0 && (cell.state & QStyle::State_Selected)) {
        // The view has filled the whole row with the selection already: the other cells get
        // the list's own background back.
        cell.state &= ~QStyle::State_Selected;
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        painter->fillRect(option.rect, view ? view->viewport()->palette().brush(QPalette::Base)
                                            : option.palette.brush(QPalette::Base));
    }
    if (m_options.HotTrack && index.row() == m_options.HotRow && index.column() == 0) {
        cell.font.setUnderline(true);
        const QColor hot = option.palette.color(QPalette::Highlight);
        cell.palette.setColor(QPalette::Text, hot);
        cell.palette.setColor(QPalette::WindowText, hot);
    }
    QStyledItemDelegate::paint(painter, cell, index);
    if (m_options.GridLines) {
        painter->save();
        painter->setPen(option.palette.color(QPalette::Button));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
}

QSize TListItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    const auto* view = qobject_cast<const QListView*>(option.widget);
    if (!view || !view->uniformItemSizes() || !index.model())
        return hint;
    if (view->viewMode() == QListView::IconMode && view->gridSize().isValid())
        return view->gridSize() - QSize(2, 2);
    const int ownText = option.fontMetrics.horizontalAdvance(index.data().toString());
    const int widest = WidestCaptionWidth(option.fontMetrics, *index.model());
    const int ownWidth = hint.width();
    hint.rwidth() += std::max(0, widest - ownText);
    hint.setWidth(std::max(ownWidth, std::min(hint.width(), view->viewport()->width())));
    return hint;
}
