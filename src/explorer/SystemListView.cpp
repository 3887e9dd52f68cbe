#include "SystemListView.h"

#include "DragViews.h"
#include "ItemPaths.h"
#include "ListItemDelegate.h"
#include "ListSorting.h"
#include "ShellItemCommands.h"

#include <QHeaderView>
#include <QListView>
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

// --- properties (the looks: SystemListLook.cpp) -------------------------------------------

void TSystemListView::setToolTips(bool on) {
    m_toolTips = on;
    m_model->setToolTips(on);
}

void TSystemListView::setCheckboxes(bool on) {
    m_checkboxes = on;
    m_model->setCheckboxes(on);
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

// --- commands -----------------------------------------------------------------------------

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
