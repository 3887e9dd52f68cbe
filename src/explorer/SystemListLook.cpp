// How the file list looks: its view style, colours, icon options, grid lines and hot
// tracking, and its report columns.
#include "ListItemDelegate.h"
#include "SystemListView.h"
#include "ViewColors.h"

#include <QEvent>
#include <QHeaderView>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>
#include <utility>

void TSystemListView::setViewStyle(TViewStyle style) {
    if (style == m_viewStyle)
        return;
    m_viewStyle = style;
    applyViewStyle();
}

void TSystemListView::applyViewStyle() {
    const bool hadFocus = CurrentView()->hasFocus();
    if (m_viewStyle == TViewStyle::vsReport) {
        m_stack->setCurrentWidget(m_reportView);
        m_reportView->setIconSize(QSize(m_smallImages.iconSize, m_smallImages.iconSize));
    } else {
        const bool large = m_viewStyle == TViewStyle::vsIcon;
        const bool list = m_viewStyle == TViewStyle::vsList;
        const int size = large ? m_largeImages.iconSize : m_smallImages.iconSize;
        const bool inColumns = list || m_iconOptions.Arrangement == TIconArrangement::iaLeft;
        m_listView->setViewMode(large ? QListView::IconMode : QListView::ListMode);
        m_listView->setFlow(inColumns ? QListView::TopToBottom : QListView::LeftToRight);
        m_listView->setWrapping(true);
        m_listView->setWordWrap(large && m_iconOptions.WrapText);
        // The list style always fills its columns anew; the icon styles only when asked to.
        m_listView->setResizeMode(list || m_iconOptions.AutoArrange ? QListView::Adjust
                                                                    : QListView::Fixed);
        m_listView->setIconSize(QSize(size, size));
        m_listView->setGridSize(large ? QSize(size * 3, size + 2 * fontMetrics().height() + 8)
                                      : QSize());
        m_listView->setMovement(QListView::Static);
        m_listView->setDragDropMode(m_dragMode == TDragMode::dmAutomatic
                                        ? QAbstractItemView::DragOnly
                                        : QAbstractItemView::NoDragDrop);
        m_stack->setCurrentWidget(m_listView);
    }
    setFocusProxy(CurrentView());
    if (hadFocus)
        CurrentView()->setFocus();
}

void TSystemListView::setColor(const QColor& color) {
    m_ownColor = color;
    applyColor();
}

QColor TSystemListView::Color() const {
    return m_ownColor.value_or(palette().color(QPalette::Base));
}

void TSystemListView::applyColor() {
    ApplyViewColors(m_listView->viewport(), m_ownColor);
    ApplyViewColors(m_reportView->viewport(), m_ownColor);
}

void TSystemListView::setIconOptions(const TIconOptions& options) {
    if (options == m_iconOptions)
        return;
    m_iconOptions = options;
    applyViewStyle();
    m_listView->doItemsLayout();
}

void TSystemListView::setGridLines(bool on) {
    m_gridLines = on;
    applyPaintOptions();
}

void TSystemListView::setHotTrack(bool on) {
    m_input.Settings.HotTrack = on;
    if (!on)
        setHotRow(-1);
    applyPaintOptions();
}

void TSystemListView::setRowSelect(bool on) {
    m_rowSelect = on;
    applyPaintOptions();
}

// Grid lines and the row-wide selection belong to the report; the icon views show the
// selection on their one cell anyway.
void TSystemListView::applyPaintOptions() {
    m_reportDelegate->Options() = {m_gridLines, m_rowSelect, HotTrack(), m_hotRow};
    m_listDelegate->Options() = {false, true, HotTrack(), m_hotRow};
    m_reportView->viewport()->update();
    m_listView->viewport()->update();
}

void TSystemListView::setHotRow(int row) {
    if (row == m_hotRow)
        return;
    const int old = std::exchange(m_hotRow, row);
    applyPaintOptions();
    updateRow(old);
    updateRow(row);
}

// Repaints one row only, as hot tracking moves from item to item.
void TSystemListView::updateRow(int row) {
    if (row < 0 || row >= Count())
        return;
    QAbstractItemView* view = CurrentView();
    QRect area = view->visualRect(m_model->index(row, 0));
    if (view == m_reportView)
        area = QRect(0, area.top(), view->viewport()->width(), area.height());
    view->viewport()->update(area);
}

void TSystemListView::setColumnType(TColumnType type) {
    if (type == m_columnType)
        return;
    m_columnType = type;
    buildColumns();
}

void TSystemListView::buildColumns() {
    if (m_columnType == TColumnType::ctUser) {
        m_model->setColumns({});
        if (OnCreateColumns) {
            OnCreateColumns(this);
            applyColumnWidths();
            return;
        }
        m_columnType = TColumnType::ctUnknown;
    }
    m_model->setColumns(ColumnSet(m_columnType, m_columnWidths));
    applyColumnWidths();
}

void TSystemListView::AddColumn(const QString& caption, int width, Qt::Alignment alignment) {
    std::vector<TListColumn> columns = m_model->Columns();
    columns.push_back({caption, width, alignment});
    m_model->setColumns(std::move(columns));
    applyColumnWidths();
}

void TSystemListView::applyColumnWidths() {
    const auto& columns = m_model->Columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        m_reportView->setColumnWidth(static_cast<int>(i), columns[i].Width);
}

int TSystemListView::ColumnWidth(int column) const {
    return m_reportView->columnWidth(column);
}

void TSystemListView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        m_smallImages = SetupImageLists(TImageListSize::Small);
        m_largeImages = SetupImageLists(TImageListSize::Large);
        applyViewStyle();
        applyColor();
    }
}
