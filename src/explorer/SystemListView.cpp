#include "SystemListView.h"

#include "DragViews.h"
#include "ItemPaths.h"
#include "ListItemDelegate.h"
#include "ListSorting.h"
#include "SharedViewInput.h"
#include "ShellItemCommands.h"
#include "ViewColors.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedLayout>
#include <QTreeView>

TSystemListView::TSystemListView(QWidget* parent)
    : QWidget(parent), m_model(new TSystemListModel(this)), m_stack(new QStackedLayout(this)),
      m_listView(new TDragListView(this)), m_reportView(new TDragReportView(this)),
      m_selection(new QItemSelectionModel(m_model, this)),
      m_listDelegate(new TListItemDelegate(this)), m_reportDelegate(new TListItemDelegate(this)),
      m_columnWidths(ReadDirectoryColumnWidths(TXdgFolders::FromEnvironment())) {
    m_smallImages = SetupImageLists(TImageListSize::Small);
    m_largeImages = SetupImageLists(TImageListSize::Large);
    m_model->setPathOf([](const TListItem* item) { return NativeItemPath(item->Data.get()); });
    m_model->setRenamer(
        [this](TListItem& item, const QString& name) { return renameItem(item, name); });

    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_listView),
                                    static_cast<QAbstractItemView*>(m_reportView)}) {
        view->setModel(m_model);
        view->setSelectionModel(m_selection);
        view->setContextMenuPolicy(Qt::NoContextMenu);
        view->viewport()->installEventFilter(this);
        view->installEventFilter(this);
        view->viewport()->setMouseTracking(true);
        connect(view, &QAbstractItemView::doubleClicked, this, &TSystemListView::handleDoubleClick);
        m_stack->addWidget(view);
    }
    m_listView->setItemDelegate(m_listDelegate);
    m_reportView->setItemDelegate(m_reportDelegate);
    m_listView->setMovement(QListView::Static);
    m_listView->setUniformItemSizes(true);
    m_listView->setWrapping(true);
    m_reportView->setRootIsDecorated(false);
    m_reportView->setUniformRowHeights(true);
    m_reportView->setItemsExpandable(false);
    m_reportView->setSortingEnabled(false);
    m_reportView->header()->setSectionsMovable(false);
    m_reportView->header()->setStretchLastSection(false);
    connect(m_reportView->header(), &QHeaderView::sectionClicked, this,
            &TSystemListView::handleColumnClick);
    connect(m_selection, &QItemSelectionModel::selectionChanged, this,
            &TSystemListView::handleSelectionChanged);

    applyColor();
    setMultiSelect(m_multiSelect);
    setReadOnly(m_readOnly);
    setColumnClick(m_columnClick);
    applyPaintOptions();
    applyDragMode();
    applyViewStyle();
    buildColumns();
    if (!m_treeView)
        LinkListWithSiblingTree(this);
    m_needsPopulate = true;
    Reload();
}

TSystemListView::~TSystemListView() {
    if (auto* tree = linkedTree(); tree && tree->ListView() == this)
        tree->setListView(nullptr);
    // The items go first, while the counters they report to still stand.
    m_model->Clear();
}

TCustomSystemTreeView* TSystemListView::linkedTree() const {
    return dynamic_cast<TCustomSystemTreeView*>(m_treeView.data());
}

// --- properties ---------------------------------------------------------------------------

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

void TSystemListView::setToolTips(bool on) {
    m_toolTips = on;
    m_model->setToolTips(on);
}

void TSystemListView::setCheckboxes(bool on) {
    m_checkboxes = on;
    m_model->setCheckboxes(on);
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

void TSystemListView::setShowFolders(bool show) {
    if (show == m_showFolders)
        return;
    m_showFolders = show;
    Reload();
}

void TSystemListView::setFileMask(const QString& mask) {
    if (mask != m_fileMask) {
        m_fileMask = mask;
        ParseMask(mask, m_maskList);
        m_needsPopulate = true;
    }
    Reload();
}

void TSystemListView::setMultiSelect(bool multi) {
    m_multiSelect = multi;
    const auto mode =
        multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
    m_listView->setSelectionMode(mode);
    m_reportView->setSelectionMode(mode);
}

void TSystemListView::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    m_model->setReadOnly(readOnly);
    const auto triggers =
        readOnly ? QAbstractItemView::NoEditTriggers
                 : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked;
    m_listView->setEditTriggers(triggers);
    m_reportView->setEditTriggers(triggers);
}

void TSystemListView::setSortType(TSortType type) {
    if (type == m_sortType)
        return;
    m_sortType = type;
    if (type != TSortType::stNone)
        SortDefault();
}

void TSystemListView::setColumnClick(bool on) {
    m_columnClick = on;
    m_reportView->header()->setSectionsClickable(on);
}

void TSystemListView::setShowColumnHeaders(bool show) {
    m_showColumnHeaders = show;
    m_reportView->setHeaderHidden(!show);
}

void TSystemListView::setDragMode(TDragMode mode) {
    m_dragMode = mode;
    applyDragMode();
}

void TSystemListView::applyDragMode() {
    const bool automatic = m_dragMode == TDragMode::dmAutomatic;
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_listView),
                                    static_cast<QAbstractItemView*>(m_reportView)}) {
        view->setDragEnabled(automatic);
        view->setDragDropMode(automatic ? QAbstractItemView::DragOnly
                                        : QAbstractItemView::NoDragDrop);
        view->setDefaultDropAction(Qt::CopyAction);
    }
}

// --- columns ------------------------------------------------------------------------------

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

// --- commands -----------------------------------------------------------------------------

void TSystemListView::handleDoubleClick(const QModelIndex& index) {
    TListItem* item = Item(index.row());
    if (OnDblClick) {
        OnDblClick(this, item);
        return;
    }
    OpenItem(item);
}

void TSystemListView::OpenItem(TListItem* item) {
    if (!item)
        return;
    if (!item->Data) {
        ReportMissingFolderData(this);
        return;
    }
    if (!item->Data->RelativeID)
        return;
    if (IsFolderItem(item)) {
        const TShellFolderRef base = m_baseFolder;
        const ItemIDList target = CopyIDList(item->Data->AbsoluteID);
        PopulateFolder(base, target, false);
        NotifyLinkedControls(false);
        return;
    }
    const std::vector<PCItemID> ids{item->Data->RelativeID.get()};
    InvokeDefaultCommand(item->Data->ParentFolder, ids, item->Data->Attributes,
                         GetOwnerWindow(this));
}

bool TSystemListView::ShowItemContextMenu(TListItem* item, QPoint screenPoint) {
    if (!item)
        return false;
    if (!item->Data) {
        ReportMissingFolderData(this);
        return false;
    }
    const std::vector<PCItemID> ids{item->Data->RelativeID.get()};
    return ::ShowItemContextMenu(item->Data->ParentFolder, ids, item->Data->Attributes, screenPoint,
                                 GetOwnerWindow(this));
}

bool TSystemListView::ShowSelectionContextMenu(QPoint screenPoint) {
    TListItem* first = Selected();
    if (!first || !first->Data)
        return false;
    std::vector<PCItemID> ids;
    for (TListItem* item = first; item; item = GetNextSelected(item)) {
        if (item->Data)
            ids.push_back(item->Data->RelativeID.get());
    }
    return ::ShowItemContextMenu(first->Data->ParentFolder, ids, first->Data->Attributes,
                                 screenPoint, GetOwnerWindow(this));
}

bool TSystemListView::renameItem(TListItem& item, const QString& newName) {
    return RenameFolderItem(item.Data.get(), newName, m_currentID);
}

// --- events -------------------------------------------------------------------------------

// The shown view's mouse, key and focus events go to the input controller.
bool TSystemListView::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = CurrentView();
    if (watched == view->viewport() && m_input.ViewportEvent(*event))
        return true;
    if (watched == view && m_input.ViewEvent(*event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// --- what the input controller asks of the list ----------------------------------------------

// Without RowSelect only the name cell of a report row is the item: a press on one of its
// other cells is a press on empty space.
TPressPlace TSystemListView::PressPlaceAt(QPoint viewportPoint, Qt::MouseButton button) const {
    if (m_rowSelect || CurrentView() != m_reportView || button != Qt::LeftButton)
        return TPressPlace::Item;
    const QModelIndex index = m_reportView->indexAt(viewportPoint);
    return index.isValid() && index.column() > 0 ? TPressPlace::EmptySpace : TPressPlace::Item;
}

void TSystemListView::ClearItemSelection() {
    ClearSelection();
}

// The shell menu of the item under the mouse: of the whole selection when the item is
// selected, else of the item alone, which becomes the selection first.
bool TSystemListView::ShowItemMenuAt(QPoint viewportPoint, QPoint screenPoint) {
    TListItem* item = ItemAt(viewportPoint);
    if (!item)
        return false;
    if (IsSelected(item))
        return ShowSelectionContextMenu(screenPoint);
    ClearSelection();
    setSelected(item, true);
    setItemFocused(item);
    return ShowItemContextMenu(item, screenPoint);
}

void TSystemListView::OpenParentFolder() {
    if (!m_currentID || ElementCount(m_currentID) == 0)
        return;
    const TShellFolderRef base = m_baseFolder;
    const ItemIDList parent = CopyParentIDList(m_currentID);
    PopulateFolder(base, parent, false);
    NotifyLinkedControls(false);
}

void TSystemListView::RefreshFolder() {
    const TShellFolderRef base = m_baseFolder;
    const ItemIDList current = CopyIDList(m_currentID);
    PopulateFolder(base, current, true);
}

void TSystemListView::AutoscrollAt(QPoint viewportPoint) {
    AutoscrollTowardsEdge(*CurrentView(), *this, viewportPoint);
}

void TSystemListView::HotTrackAt(QPoint viewportPoint) {
    setHotRow(CurrentView()->indexAt(viewportPoint).row());
}

void TSystemListView::EndHotTracking() {
    setHotRow(-1);
}

void TSystemListView::FocusLeft() {
    if (OnExit)
        OnExit(this);
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
