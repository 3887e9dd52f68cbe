#include "SystemListView.h"

#include "DragViews.h"
#include "ItemDetails.h"
#include "ItemPaths.h"
#include "ListItemDelegate.h"
#include "ListSorting.h"
#include "ListViewState.h"
#include "ShellItemCommands.h"
#include "ShellNamespace.h"
#include "SharedViewInput.h"
#include "ViewColors.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHeaderView>
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
    m_model->SetPathOf([](const TListItem* item) { return NativeItemPath(item->Data.get()); });
    m_model->SetRenamer(
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
    SetMultiSelect(m_multiSelect);
    SetReadOnly(m_readOnly);
    SetColumnClick(m_columnClick);
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
        tree->SetListView(nullptr);
    // The items go first, while the counters they report to still stand.
    m_model->Clear();
}

TCustomSystemTreeView* TSystemListView::linkedTree() const {
    return dynamic_cast<TCustomSystemTreeView*>(m_treeView.data());
}

// --- properties ---------------------------------------------------------------------------

void TSystemListView::SetViewStyle(TViewStyle style) {
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

void TSystemListView::SetColor(const QColor& color) {
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

void TSystemListView::SetIconOptions(const TIconOptions& options) {
    if (options == m_iconOptions)
        return;
    m_iconOptions = options;
    applyViewStyle();
    m_listView->doItemsLayout();
}

void TSystemListView::SetToolTips(bool on) {
    m_toolTips = on;
    m_model->SetToolTips(on);
}

void TSystemListView::SetCheckboxes(bool on) {
    m_checkboxes = on;
    m_model->SetCheckboxes(on);
}

void TSystemListView::SetGridLines(bool on) {
    m_gridLines = on;
    applyPaintOptions();
}

void TSystemListView::SetHotTrack(bool on) {
    m_hotTrack = on;
    if (!on)
        setHotRow(-1);
    applyPaintOptions();
}

void TSystemListView::SetRowSelect(bool on) {
    m_rowSelect = on;
    applyPaintOptions();
}

// Grid lines and the row-wide selection belong to the report; the icon views show the
// selection on their one cell anyway.
void TSystemListView::applyPaintOptions() {
    m_reportDelegate->Options() = {m_gridLines, m_rowSelect, m_hotTrack, m_hotRow};
    m_listDelegate->Options() = {false, true, m_hotTrack, m_hotRow};
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

void TSystemListView::SetColumnType(TColumnType type) {
    if (type == m_columnType)
        return;
    m_columnType = type;
    buildColumns();
}

void TSystemListView::SetShowFolders(bool show) {
    if (show == m_showFolders)
        return;
    m_showFolders = show;
    Reload();
}

void TSystemListView::SetFileMask(const QString& mask) {
    if (mask != m_fileMask) {
        m_fileMask = mask;
        ParseMask(mask, m_maskList);
        m_needsPopulate = true;
    }
    Reload();
}

void TSystemListView::SetMultiSelect(bool multi) {
    m_multiSelect = multi;
    const auto mode =
        multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
    m_listView->setSelectionMode(mode);
    m_reportView->setSelectionMode(mode);
}

void TSystemListView::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    m_model->SetReadOnly(readOnly);
    const auto triggers =
        readOnly ? QAbstractItemView::NoEditTriggers
                 : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked;
    m_listView->setEditTriggers(triggers);
    m_reportView->setEditTriggers(triggers);
}

void TSystemListView::SetSortType(TSortType type) {
    if (type == m_sortType)
        return;
    m_sortType = type;
    if (type != TSortType::stNone)
        SortDefault();
}

void TSystemListView::SetColumnClick(bool on) {
    m_columnClick = on;
    m_reportView->header()->setSectionsClickable(on);
}

void TSystemListView::SetShowColumnHeaders(bool show) {
    m_showColumnHeaders = show;
    m_reportView->setHeaderHidden(!show);
}

void TSystemListView::SetDragMode(TDragMode mode) {
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
        m_model->SetColumns({});
        if (OnCreateColumns) {
            OnCreateColumns(this);
            applyColumnWidths();
            return;
        }
        m_columnType = TColumnType::ctUnknown;
    }
    m_model->SetColumns(ColumnSet(m_columnType, m_columnWidths));
    applyColumnWidths();
}

void TSystemListView::AddColumn(const QString& caption, int width, Qt::Alignment alignment) {
    std::vector<TListColumn> columns = m_model->Columns();
    columns.push_back({caption, width, alignment});
    m_model->SetColumns(std::move(columns));
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

// --- population ---------------------------------------------------------------------------

void TSystemListView::Reload() {
    if (auto* tree = linkedTree()) {
        const ItemIDList selected = CopyIDList(tree->SelectedAbsoluteID());
        PopulateFolder(tree->DesktopFolder(), selected, false);
    } else {
        const TShellFolderRef folder = m_baseFolder;
        const ItemIDList current = CopyIDList(m_currentID);
        PopulateFolder(folder, current, false);
    }
    NotifyLinkedControls(false);
}

void TSystemListView::LinkedControlChanged(QObject* sender, bool force) {
    auto* tree = linkedTree();
    if (!tree || sender != m_treeView.data())
        return;
    const ItemIDList selected = CopyIDList(tree->SelectedAbsoluteID());
    PopulateFolder(tree->DesktopFolder(), selected, force);
}

void TSystemListView::NotifyLinkedControls(bool force) {
    if (auto* tree = linkedTree())
        tree->LinkedControlChanged(this, force);
}

bool TSystemListView::isDesktopList(PCItemID list) const {
    return list && ElementCount(list) == 0;
}

bool TSystemListView::PopulateFolder(const TShellFolderRef& folderArgument, PCItemID absolute,
                                     bool force) {
    if (!force && SameIDLists(absolute, m_currentID) && !m_needsPopulate)
        return true;
    const ItemIDList desktopList = SHGetSpecialFolderLocation(CSIDL::DESKTOP);
    if (!desktopList)
        throw EShellError(LoadShellMessage(ShellMessages::CouldNotGetDesktop).toStdString());
    // The arguments may be this list's own folder and list, which are replaced below.
    const TShellFolderRef folder = folderArgument;
    ItemIDList list = CopyIDList(absolute);

    const bool sameFolder = SameIDLists(absolute, m_currentID) && !m_needsPopulate;
    const TListViewState before = CaptureListViewState(*this);
    bool isDesktop;
    m_baseFolder.reset();
    m_currentID.reset();
    if (list) {
        m_baseFolder = folder;
        m_currentID = std::move(list);
        isDesktop = SameIDLists(m_currentID, desktopList);
    } else {
        m_baseFolder = SHGetDesktopFolder();
        if (!m_baseFolder)
            throw EShellError(LoadShellMessage(ShellMessages::CouldNotGetDesktop).toStdString());
        m_currentID = CopyIDList(desktopList);
        isDesktop = true;
    }

    m_needsPopulate = false;
    TWaitCursor wait;
    bool result = false;
    m_model->BeginUpdate();
    m_selection->clear();
    m_model->Clear();
    if (isDesktop) {
        if (m_columnType != TColumnType::ctUser)
            SetColumnType(TColumnType::ctFileSystem);
        result = fillList(m_baseFolder, m_currentID);
    } else {
        if (m_columnType != TColumnType::ctUser) {
            const ItemIDList parentList = CopyParentIDList(m_currentID);
            const TShellFolderRef parent =
                IDListSize(parentList) == 2
                    ? m_baseFolder
                    : (m_baseFolder ? m_baseFolder->BindToObject(parentList) : nullptr);
            const ItemIDList last = CopyLastID(m_currentID);
            const auto attributes =
                parent ? parent->GetAttributesOf(last, SFGAO::FILESYSTEM) : std::nullopt;
            SetColumnType(attributes && (*attributes & SFGAO::FILESYSTEM)
                              ? TColumnType::ctFileSystem
                              : TColumnType::ctUnknown);
        }
        if (const TShellFolderRef bound =
                m_baseFolder ? m_baseFolder->BindToObject(m_currentID) : nullptr)
            result = fillList(bound, m_currentID);
    }
    m_model->EndUpdate();
    applyColumnWidths();

    if (m_lastSortColumn != -1)
        SortByColumn(nullptr, -2);
    else if (m_sortType != TSortType::stNone)
        SortDefault();
    RestoreListViewState(*this, before, sameFolder);
    if (OnPopulated)
        OnPopulated(this);
    return result;
}

bool TSystemListView::fillList(const TShellFolderRef& folder, PCItemID parentAbsolute) {
    if (!folder)
        return false;
    std::uint32_t flags = SHCONTF::NONFOLDERS;
    if (m_showHiddenFiles)
        flags |= SHCONTF::INCLUDEHIDDEN;
    if (m_showFolders)
        flags |= SHCONTF::FOLDERS;
    auto items = folder->EnumObjects(flags);
    if (!items)
        return false;
    m_model->Reserve(m_allocBy);
    bool any = false;
    while (auto relative = items->Next()) {
        any = true;
        ItemIDList absolute = ConcatIDLists(parentAbsolute, *relative);
        addFileItem(folder, std::move(absolute), std::move(*relative));
    }
    return any;
}

TListItem* TSystemListView::addFileItem(const TShellFolderRef& folder, ItemIDList absolute,
                                        ItemIDList relative) {
    QString name = GetDisplayName(*folder, relative, 0);
    // The mask applies to files only; without folders shown, a name that fails it is out
    // whatever it is, and the file system need not be asked.
    const QString maskPath = m_fileMask.isEmpty() ? QString() : folder->PathOf(relative);
    const bool failsMask = !maskPath.isEmpty() && !MatchesMaskList(maskPath, &m_maskList);
    if (failsMask && !m_showFolders)
        return nullptr;
    const auto attributes = folder->GetAttributesOf(relative, SFGAO::RequestMask);
    // An item that vanished since the folder was read is not listed.
    if (!attributes)
        return nullptr;
    if (!m_showFolders && (*attributes & SFGAO::HASSUBFOLDER))
        return nullptr;
    if (failsMask && !(*attributes & SFGAO::FOLDER))
        return nullptr;

    auto owned = std::make_unique<TListItem>();
    owned->Data = std::make_unique<TFolderItemData>(TFolderDataOwner::List);
    TFolderItemData& data = *owned->Data;
    data.ParentFolder = folder;
    data.RelativeID = std::move(relative);
    data.AbsoluteID = std::move(absolute);
    data.Attributes = *attributes;
    TListItem* item = m_model->Add(std::move(owned));
    TItemDetails details = GatherItemDetails(data, name);
    item->ImageIndex = details.IconIndex;
    if (data.Attributes & SFGAO::SHARE) {
        item->OverlayIndex = 0;
    } else if (data.Attributes & SFGAO::LINK) {
        item->OverlayIndex = 1;
        name = QFileInfo(GetItemPath(item)).fileName();
    }
    item->Caption = name;
    details.Keys.Name = name;
    item->Keys = std::move(details.Keys);
    if (OnAddListItem) {
        OnAddListItem(this, item);
        return item;
    }
    item->SubItems = std::move(details.Texts);
    return item;
}

// --- sorting ------------------------------------------------------------------------------

void TSystemListView::SortByColumn(const TCompare& compare, int column) {
    int sortColumn = column;
    bool descending = false;
    bool remember = true;
    if (column == -1) {
        sortColumn = 0;
        remember = false;
    } else if (column == -2) {
        sortColumn = std::max(0, m_lastSortColumn);
        descending = m_lastSortDescending;
    } else {
        descending = column == m_lastSortColumn && !m_lastSortDescending;
    }
    const std::int32_t parameter = SortParameter(sortColumn, descending);
    const TCompare& used = compare ? compare : TCompare(DefaultListCompare);
    m_model->Sort([&used, parameter](const TListItem* a, const TListItem* b) {
        return used(a, b, parameter);
    });
    if (remember) {
        m_lastSortColumn = sortColumn;
        m_lastSortDescending = descending;
    }
}

void TSystemListView::SortDefault() {
    SortByColumn(nullptr, -1);
    m_lastSortColumn = 0;
    m_lastSortDescending = false;
}

void TSystemListView::handleColumnClick(int column) {
    if (OnColumnClick)
        OnColumnClick(this, column);
    SortByColumn(nullptr, column);
}

// --- items and selection ------------------------------------------------------------------

QString TSystemListView::GetItemPath(const TListItem* item) const {
    if (!item || !item->Data || !item->Data->AbsoluteID)
        return {};
    QString path = QFile::decodeName(NativeItemPath(item->Data.get()));
    if (!path.isEmpty() && HasAttribute(item->Data.get(), SFGAO::FOLDER) && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

TListItem* TSystemListView::FindItemByID(PCItemID relative) const {
    if (!relative || ElementCount(relative) == 0 || Count() == 0)
        return nullptr;
    for (int row = 0; row < Count(); ++row) {
        TListItem* item = Item(row);
        if (item->Data && item->Data->ParentFolder &&
            item->Data->ParentFolder->CompareIDs(0, item->Data->RelativeID, relative) == 0)
            return item;
    }
    return nullptr;
}

int TSystemListView::SelCount() const {
    return static_cast<int>(m_selection->selectedRows().size());
}

TListItem* TSystemListView::Selected() const {
    return GetNextSelected(nullptr);
}

TListItem* TSystemListView::GetNextSelected(const TListItem* after) const {
    const int start = after ? IndexOf(after) + 1 : 0;
    for (int row = start; row < Count(); ++row) {
        if (m_selection->isRowSelected(row, {}))
            return Item(row);
    }
    return nullptr;
}

bool TSystemListView::IsSelected(const TListItem* item) const {
    const int row = IndexOf(item);
    return row >= 0 && m_selection->isRowSelected(row, {});
}

void TSystemListView::SetSelected(TListItem* item, bool selected) {
    const int row = IndexOf(item);
    if (row < 0)
        return;
    m_selection->select(m_model->index(row, 0),
                        (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                            QItemSelectionModel::Rows);
}

void TSystemListView::ClearSelection() {
    m_selection->clearSelection();
}

TListItem* TSystemListView::ItemFocused() const {
    const QModelIndex current = m_selection->currentIndex();
    return current.isValid() ? Item(current.row()) : nullptr;
}

void TSystemListView::SetItemFocused(TListItem* item) {
    const int row = IndexOf(item);
    m_selection->setCurrentIndex(row >= 0 ? m_model->index(row, 0) : QModelIndex(),
                                 QItemSelectionModel::NoUpdate);
}

TListItem* TSystemListView::ItemAt(QPoint viewportPoint) const {
    const QModelIndex index = CurrentView()->indexAt(viewportPoint);
    return index.isValid() ? Item(index.row()) : nullptr;
}

QAbstractItemView* TSystemListView::CurrentView() const {
    return m_viewStyle == TViewStyle::vsReport ? static_cast<QAbstractItemView*>(m_reportView)
                                               : static_cast<QAbstractItemView*>(m_listView);
}

void TSystemListView::handleSelectionChanged(const QItemSelection& selected,
                                             const QItemSelection& deselected) {
    if (!OnChange)
        return;
    // Rows that lost the selection first, so that the last report is of a row that has it.
    for (const QItemSelection* changes : {&deselected, &selected}) {
        for (const QItemSelectionRange& range : *changes) {
            for (int row = range.top(); row <= range.bottom(); ++row)
                OnChange(this, Item(row));
        }
    }
}

TSystemListView* TSystemListView::FromDragSource(QObject* source) {
    for (QObject* object = source; object; object = object->parent()) {
        if (auto* list = qobject_cast<TSystemListView*>(object))
            return list;
    }
    return nullptr;
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

// The shell menu of the item under the mouse: of the whole selection when the item is
// selected, else of the item alone, which becomes the selection first.
bool TSystemListView::showItemMenuAt(QPoint viewportPoint, QPoint screenPoint) {
    TListItem* item = ItemAt(viewportPoint);
    if (!item)
        return false;
    if (IsSelected(item))
        return ShowSelectionContextMenu(screenPoint);
    ClearSelection();
    SetSelected(item, true);
    SetItemFocused(item);
    return ShowItemContextMenu(item, screenPoint);
}

// Without RowSelect only the name cell of a report row is the item: a press on one of its
// other cells is a press on empty space.
bool TSystemListView::pressOnSubItem(QObject* viewport, const QMouseEvent& event) const {
    if (m_rowSelect || viewport != m_reportView->viewport() || event.button() != Qt::LeftButton)
        return false;
    const QModelIndex index = m_reportView->indexAt(event.position().toPoint());
    return index.isValid() && index.column() > 0;
}

bool TSystemListView::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = CurrentView();
    if (watched == view->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                const QPoint point = mouse->position().toPoint();
                const QPoint screenPoint = mouse->globalPosition().toPoint();
                ShowRightButtonMenus(m_popupMenuMethod, m_popupMenu, screenPoint,
                                     [this, point, screenPoint] {
                                         return showItemMenuAt(point, screenPoint);
                                     });
                return true;
            }
            if (std::exchange(m_pressOnEmptySpace, false))
                return true;
        } else if (event->type() == QEvent::MouseButtonPress ||
                   event->type() == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressOnSubItem(watched, *mouse)) {
                if (!(mouse->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)))
                    ClearSelection();
                m_pressOnEmptySpace = true;
                return true;
            }
        } else if (event->type() == QEvent::MouseMove) {
            const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (m_hotTrack)
                setHotRow(view->indexAt(point).row());
            if (m_autoscroll)
                AutoscrollTowardsEdge(*view, *this, point);
            // Moving on from such a press neither selects nor drags.
            if (m_pressOnEmptySpace && static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton)
                return true;
        } else if (event->type() == QEvent::Leave) {
            setHotRow(-1);
        }
    } else if (watched == view && event->type() == QEvent::FocusOut && OnExit) {
        // A menu or a dialog opening over the list does not take the focus from it for good:
        // the commands they hold still act on the list's items.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            OnExit(this);
    }
    return QWidget::eventFilter(watched, event);
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
