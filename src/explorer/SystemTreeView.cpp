#include "SystemTreeView.h"

#include "FocusFrame.h"
#include "ItemPaths.h"
#include "NoticeHold.h"
#include "SharedViewInput.h"
#include "ShellItemCommands.h"
#include "ShellNamespace.h"
#include "SidewaysScroll.h"
#include "TreeBranches.h"
#include "TreeNodeFlags.h"
#include "TreeNodes.h"
#include "ViewColors.h"

#include <QDebug>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

TSystemTreeView::TSystemTreeView(QWidget* parent) : QTreeWidget(parent) {
    m_desktopFolder = SHGetDesktopFolder();
    if (!m_desktopFolder)
        throw EShellError(LoadShellMessage(ShellMessages::CouldNotGetDesktop).toStdString());
    setHeaderHidden(true);
    setColumnCount(1);
    // The one column is as wide as its widest node (and at least the view): deep folders
    // are reached with the horizontal scroll bar instead of being drawn past the edge.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setMouseTracking(true);
    m_images = SetupImageLists(TImageListSize::Small);
    setIconSize(QSize(m_images.iconSize, m_images.iconSize));
    m_changeTimer.setSingleShot(true);
    m_changeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_changeTimer, &QTimer::timeout, this, &TSystemTreeView::handleChangeTimer);
    connect(this, &QTreeWidget::itemExpanded, this, &TSystemTreeView::handleExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this, &TSystemTreeView::handleCurrentChanged);
    connect(this, &QTreeWidget::itemChanged, this, &TSystemTreeView::handleItemChanged);
    m_watch.OnRefresh = [this] { FolderChanged(); };
    setReadOnly(m_readOnly);
    setDragMode(m_dragMode);
    applyColors();
    if (!m_listView)
        LinkTreeWithSiblingList(this);
    Rebuild();
}

TSystemTreeView::~TSystemTreeView() {
    qDebug().noquote() << "destroy start";
    m_destroying = true;
    m_watch.stop();
    m_changeTimer.stop();
    if (auto* list = linkedList(); list && list->TreeView() == this)
        list->setTreeView(nullptr);
    clear();
    qDebug().noquote() << "destroy end";
}

TCustomSystemListView* TSystemTreeView::linkedList() const {
    return dynamic_cast<TCustomSystemListView*>(m_listView.data());
}

// --- properties ---------------------------------------------------------------------------

void TSystemTreeView::setRootFolder(TRootFolder root) {
    if (root == m_rootFolder)
        return;
    m_rootFolder = root;
    Rebuild();
}

void TSystemTreeView::setCustomDir(const QString& directory) {
    if (directory == m_customDir)
        return;
    m_customDir = directory;
    Rebuild();
}

void TSystemTreeView::setCustomDirCaption(const QString& caption) {
    m_customDirCaption = caption;
    if (m_rootFolder == TRootFolder::rfCustom && RootNode() && !caption.isEmpty()) {
        m_settingText = true;
        RootNode()->setText(0, caption);
        RootNode()->Caption = caption;
        m_settingText = false;
    }
}

void TSystemTreeView::setShowFiles(bool show) {
    if (show == m_showFiles)
        return;
    m_showFiles = show;
    Rebuild();
}

void TSystemTreeView::setFileMask(const QString& mask) {
    if (mask == m_fileMask)
        return;
    m_fileMask = mask;
    ParseMask(mask, m_maskList);
    Rebuild();
}

void TSystemTreeView::setCheckboxes(bool on) {
    if (on == m_checkboxes)
        return;
    m_checkboxes = on;
    RecreateWnd();
}

void TSystemTreeView::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    ApplyReadOnlyToNodes(invisibleRootItem(), readOnly);
    setEditTriggers(readOnly
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

void TSystemTreeView::setShowButtons(bool show) {
    m_showButtons = show;
    viewport()->update();
}

void TSystemTreeView::setShowLines(bool show) {
    m_showLines = show;
    viewport()->update();
}

void TSystemTreeView::setDragMode(TDragMode mode) {
    m_dragMode = mode;
    const bool automatic = mode == TDragMode::dmAutomatic;
    setDragEnabled(automatic);
    setDragDropMode(automatic ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

void TSystemTreeView::setColor(const QColor& color) {
    m_ownColor = color;
    applyColors();
}

QColor TSystemTreeView::Color() const {
    return m_ownColor.value_or(palette().color(QPalette::Base));
}

void TSystemTreeView::applyColors() {
    ApplyViewColors(viewport(), m_ownColor);
}

void TSystemTreeView::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        m_images = SetupImageLists(TImageListSize::Small);
        setIconSize(QSize(m_images.iconSize, m_images.iconSize));
        applyColors();
    }
}

void TSystemTreeView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    PaintFocusFrameWhenEmpty(*this);
}

// --- linking ------------------------------------------------------------------------------

void TSystemTreeView::NotifyLinkedControls(bool force) {
    if (auto* list = linkedList())
        list->LinkedControlChanged(this, force);
}

void TSystemTreeView::LinkedControlChanged(QObject* sender, bool) {
    auto* list = linkedList();
    if (!list || sender != m_listView.data())
        return;
    SelectFolderByID(list->BaseFolder(), list->CurrentID());
}

void TSystemTreeView::SelectFolderByID(const TShellFolderRef&, PCItemID absolute) {
    if (!absolute)
        return;
    const ItemIDList relative = rootRelative(absolute);
    if (!relative)
        return;
    TTreeNode* node = FindNodeByID(relative);
    if (node && node != Selected()) {
        setCurrentItem(node);
        showSideways(currentIndex());
    }
}

// --- selection changes and the watcher ----------------------------------------------------

void TSystemTreeView::handleCurrentChanged(QTreeWidgetItem* current) {
    if (m_destroying || m_destroyingWindow)
        return;
    TWaitCursor wait;
    if (OnChange)
        OnChange(this, static_cast<TTreeNode*>(current));
    if (m_readDelay > 0 && !m_immediateChange) {
        m_changeTimer.start(m_readDelay);
        return;
    }
    m_immediateChange = false;
    NotifyLinkedControls(false);
    // The watcher always follows the selected folder, also after a change passed on at once.
    WatchNode(Selected());
}

void TSystemTreeView::handleChangeTimer() {
    m_changeTimer.stop();
    NotifyLinkedControls(false);
    WatchNode(Selected());
}

// --- in-place rename ----------------------------------------------------------------------

void TSystemTreeView::handleItemChanged(QTreeWidgetItem* item, int column) {
    auto* node = static_cast<TTreeNode*>(item);
    if (m_settingText || column != 0 || node->text(0) == node->Caption)
        return;
    const QString newName = node->text(0);
    const PCItemID parentID =
        node->Parent() && node->Parent()->Data ? node->Parent()->Data->AbsoluteID.get() : nullptr;
    const bool renamed = !m_readOnly && RenameFolderItem(node->Data.get(), newName, parentID);
    m_settingText = true;
    if (!renamed) {
        node->setText(0, node->Caption);
        m_settingText = false;
        return;
    }
    node->Caption = newName;
    // The children were named below the old name: read them again when next expanded.
    node->setExpanded(false);
    qDeleteAll(node->takeChildren());
    node->Data->Populated = false;
    m_settingText = false;
}

// --- painting and dragging ----------------------------------------------------------------

// Qt's item views draw no connecting lines: the tree draws its own lines and buttons.
void TSystemTreeView::drawBranches(QPainter* painter, const QRect& rect,
                                   const QModelIndex& index) const {
    const TTreeBranchRow row = TreeBranchRowOf(index, rect, indentation(), isExpanded(index));
    PaintTreeBranches(*painter, TreeBranchShapes(row, {m_showLines, m_showButtons}),
                      viewport()->palette());
}

QStringList TSystemTreeView::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

// A dragged folder goes as its local file URL, which other programs accept too.
QMimeData* TSystemTreeView::mimeData(const QList<QTreeWidgetItem*>& items) const {
    QList<QByteArray> paths;
    for (const QTreeWidgetItem* item : items)
        paths.append(NodeNativePath(static_cast<const TTreeNode*>(item)));
    return LocalFilesMimeData(paths);
}

void TSystemTreeView::startDrag(Qt::DropActions supportedActions) {
    const TNoticeHold hold;
    QTreeWidget::startDrag(supportedActions);
}

// --- scrolling and keys -------------------------------------------------------------------

int TSystemTreeView::sizeHintForColumn(int column) const {
    return std::max(QTreeWidget::sizeHintForColumn(column), viewport()->width());
}

// Qt's tree scrolls sideways to the column's start whenever the column is wider than the
// view, throwing away where the user scrolled to: here only the rows follow, and the keys
// move sideways to the node they chose (showSideways).
void TSystemTreeView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const int sideways = horizontalScrollBar()->value();
    QTreeWidget::scrollTo(index, hint);
    horizontalScrollBar()->setValue(sideways);
}

// Scrolls sideways as little as needed to show the node with its button, icon and caption.
void TSystemTreeView::showSideways(const QModelIndex& index) {
    if (!index.isValid())
        return;
    resizeColumnToContents(0);
    updateGeometries();
    const int offset = horizontalOffset();
    const int itemLeft = visualRect(index).left() + offset;
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(SidewaysScrollToShow(bar->value(), viewport()->width(),
                                       std::max(0, itemLeft - indentation()),
                                       itemLeft + sizeHintForIndex(index).width()));
}

void TSystemTreeView::keyPressEvent(QKeyEvent* event) {
    if (m_input.KeyPress(*event)) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
    showSideways(currentIndex());
}

// --- mouse --------------------------------------------------------------------------------

void TSystemTreeView::mousePressEvent(QMouseEvent* event) {
    if (m_input.MousePress(*event))
        event->accept();
    else
        QTreeWidget::mousePressEvent(event);
}

void TSystemTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_input.MouseDoubleClick(*event))
        event->accept();
    else
        QTreeWidget::mouseDoubleClickEvent(event);
}

void TSystemTreeView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_input.MouseRelease(*event))
        event->accept();
    else
        QTreeWidget::mouseReleaseEvent(event);
}

void TSystemTreeView::mouseMoveEvent(QMouseEvent* event) {
    if (m_input.MouseMove(*event))
        event->accept();
    else
        QTreeWidget::mouseMoveEvent(event);
}

// --- what the input controller asks of the tree ----------------------------------------------

// Without buttons the indentation left of a node is no place to click: a press there
// neither selects nor opens the node.
TPressPlace TSystemTreeView::PressPlaceAt(QPoint viewportPoint, Qt::MouseButton) const {
    if (m_showButtons)
        return TPressPlace::Item;
    const QModelIndex index = indexAt(viewportPoint);
    return index.isValid() && viewportPoint.x() < visualRect(index).left() ? TPressPlace::Inert
                                                                           : TPressPlace::Item;
}

void TSystemTreeView::ClearItemSelection() {
    clearSelection();
}

// The shell menu of the node under the mouse, which becomes the selection first.
bool TSystemTreeView::ShowItemMenuAt(QPoint viewportPoint, QPoint screenPoint) {
    auto* node = static_cast<TTreeNode*>(itemAt(viewportPoint));
    if (!node)
        return false;
    setCurrentItem(node);
    if (!node->Data) {
        ReportMissingFolderData(this);
        return false;
    }
    const std::vector<PCItemID> ids{node->Data->RelativeID.get()};
    return ShowItemContextMenu(node->Data->ParentFolder, ids, node->Data->Attributes, screenPoint,
                               GetOwnerWindow(this));
}

void TSystemTreeView::OpenParentFolder() {
    if (TTreeNode* node = Selected(); node && node->Parent()) {
        setCurrentItem(node->Parent());
        showSideways(currentIndex());
    }
}

void TSystemTreeView::RefreshFolder() {
    RefreshNode(Selected());
}

void TSystemTreeView::AutoscrollAt(QPoint viewportPoint) {
    AutoscrollTowardsEdge(*this, *this, viewportPoint);
}
