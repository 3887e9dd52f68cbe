#pragma once

#include <QStyledItemDelegate>

// How the file list paints its cells beyond Qt's standard look.
struct TListPaintOptions {
    // Lines between the cells (report view).
    bool GridLines = false;
    // The selection is shown across the whole row rather than on the name only.
    bool RowSelect = true;
    // The item under the mouse is shown underlined in the highlight colour.
    bool HotTrack = false;
    int HotRow = -1;
};

// Paints the file list's cells from its paint options; one per view.
class TListItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    TListPaintOptions& Options() { return m_options; }
    const TListPaintOptions& Options() const { return m_options; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The list views lay out every item at one size, which a uniform view takes from one
    // item: here it is the size that holds the widest caption (list and small icons, up to
    // the view's width), or the whole grid cell (large icons), so no name is cut while
    // there is room for it.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TListPaintOptions m_options;
};
