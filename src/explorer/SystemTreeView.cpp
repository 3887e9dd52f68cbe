#include "SystemTreeView.h"

#include "FolderWatch.h"
#include "ItemPaths.h"
#include "NoticeHold.h"
#include "ShellItemCommands.h"
#include "ShellNamespace.h"
#include "SharedViewInput.h"
#include "TreeBranches.h"
#include "TreeNodeFlags.h"
#include "ViewColors.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QMouseEvent>

namespace {

// Holds painting off while the nodes change; nests.
class TUpdateBracket {
public:
    explicit TUpdateBracket(QWidget* widget)
        : m_widget(widget), m_wasEnabled(widget->updatesEnabled()) {
        m_widget->setUpdatesEnabled(false);
    }
    ~TUpdateBracket() { m_widget->setUpdatesEnabled(m_wasEnabled); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;

private:
    QWidget* m_widget;
    bool m_wasEnabled;
};

QByteArray nodeNativePath(const TTreeNode* node) {
    return NativeItemPath(node ? node->Data.get() : nullptr);
}

bool isWithin(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor) {
    for (; item; item = item->parent()) {
        if (item == ancestor)
            return true;
    }
    return false;
}

// The relative list a node was made from, as bytes to look it up by.
QByteArray relativeKey(PCItemID relative) {
    return QByteArray(reinterpret_cast<const char*>(relative),
                      static_cast<qsizetype>(IDListSize(relative)));
}

} // namespace

int DefaultTreeCompare(const TTreeNode* a, const TTreeNode* b) {
    if (const auto known = CompareByPresence(a, b))
        return *known;
    if (!a->Data->ParentFolder)
        return 0;
    return CompareInFolder(*a->Data, b->Data.get(), 0);
}

bool TTreeNode::operator<(const QTreeWidgetItem& other) const {
    return DefaultTreeCompare(this, static_cast<const TTreeNode*>(&other)) < 0;
}

TSystemTreeView::TSystemTreeView(QWidget* parent) : QTreeWidget(parent) {
    m_desktopFolder = SHGetDesktopFolder();
    if (!m_desktopFolder)
        throw EShellError(LoadShellMessage(ShellMessages::CouldNotGetDesktop).toStdString());
    setHeaderHidden(true);
    setColumnCount(1);
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
    m_refresh.OnRefresh = [this] { refreshWatchedFolder(); };
    SetReadOnly(m_readOnly);
    SetDragMode(m_dragMode);
    applyColors();
    if (!m_listView)
        LinkTreeWithSiblingList(this);
    Rebuild();
}

TSystemTreeView::~TSystemTreeView() {
    qDebug().noquote() << "destroy start";
    m_destroying = true;
    if (m_watcher)
        m_watcher->Terminate();
    m_changeTimer.stop();
    if (auto* list = linkedList(); list && list->TreeView() == this)
        list->SetTreeView(nullptr);
    clear();
    qDebug().noquote() << "destroy end";
}

TCustomSystemListView* TSystemTreeView::linkedList() const {
    return dynamic_cast<TCustomSystemListView*>(m_listView.data());
}

// --- properties ---------------------------------------------------------------------------

void TSystemTreeView::SetRootFolder(TRootFolder root) {
    if (root == m_rootFolder)
        return;
    m_rootFolder = root;
    Rebuild();
}

void TSystemTreeView::SetCustomDir(const QString& directory) {
    if (directory == m_customDir)
        return;
    m_customDir = directory;
    Rebuild();
}

void TSystemTreeView::SetCustomDirCaption(const QString& caption) {
    m_customDirCaption = caption;
    if (m_rootFolder == TRootFolder::rfCustom && RootNode() && !caption.isEmpty()) {
        m_settingText = true;
        RootNode()->setText(0, caption);
        RootNode()->Caption = caption;
        m_settingText = false;
    }
}

void TSystemTreeView::SetShowFiles(bool show) {
    if (show == m_showFiles)
        return;
    m_showFiles = show;
    Rebuild();
}

void TSystemTreeView::SetFileMask(const QString& mask) {
    if (mask == m_fileMask)
        return;
    m_fileMask = mask;
    ParseMask(mask, m_maskList);
    Rebuild();
}

void TSystemTreeView::SetCheckboxes(bool on) {
    if (on == m_checkboxes)
        return;
    m_checkboxes = on;
    RecreateWnd();
}

void TSystemTreeView::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    ApplyReadOnlyToNodes(invisibleRootItem(), readOnly);
    setEditTriggers(readOnly
                        ? QAbstractItemView::NoEditTriggers
                        : QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

void TSystemTreeView::SetShowButtons(bool show) {
    m_showButtons = show;
    viewport()->update();
}

void TSystemTreeView::SetShowLines(bool show) {
    m_showLines = show;
    viewport()->update();
}

void TSystemTreeView::SetDragMode(TDragMode mode) {
    m_dragMode = mode;
    const bool automatic = mode == TDragMode::dmAutomatic;
    setDragEnabled(automatic);
    setDragDropMode(automatic ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

void TSystemTreeView::SetColor(const QColor& color) {
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

// --- nodes --------------------------------------------------------------------------------

TTreeFilter TSystemTreeView::treeFilter() const {
    return {m_showFiles, m_showHiddenDirs, m_rootFolder == TRootFolder::rfFileSystem,
            m_fileMask.isEmpty() ? nullptr : &m_maskList};
}

// The node of an item that is not among the enumerated children: the root, or a folder
// added on the way to a selection.
TTreeNode* TSystemTreeView::addItemNode(const TShellFolderRef& folder, ItemIDList absolute,
                                        TTreeNode* parent, ItemIDList relative) {
    QString name = GetDisplayName(*folder, relative, 0);
    if (!parent && m_rootFolder == TRootFolder::rfCustom && !m_customDirCaption.isEmpty())
        name = m_customDirCaption;
    auto child = ReadTreeChild(*folder, std::move(relative), std::move(name), treeFilter());
    return child ? addFolderNode(folder, std::move(absolute), parent, std::move(*child))
                 : nullptr;
}

TTreeNode* TSystemTreeView::addFolderNode(const TShellFolderRef& folder, ItemIDList absolute,
                                          TTreeNode* parent, TTreeChild child) {
    auto* node = new TTreeNode; // owned by the tree (or its parent node) once added below
    node->Data = std::make_unique<TFolderItemData>(TFolderDataOwner::Tree);
    TFolderItemData& data = *node->Data;
    data.ParentFolder = folder;
    data.Attributes = child.Attributes;
    data.RelativeID = std::move(child.Relative);
    data.AbsoluteID = std::move(absolute);
    node->Caption = child.Name;
    node->setText(0, child.Name);
    if (m_checkboxes)
        node->setCheckState(0, Qt::Unchecked);
    node->setFlags(TreeNodeFlags(data.Attributes, m_readOnly, m_checkboxes));

    const TIconIndexes icons = WithOpenFallback(GetIconIndexes(data.AbsoluteID));
    const bool folderItem = data.Attributes & SFGAO::FOLDER;
    const int image = folderItem ? icons.normal : icons.open;
    const int selected = icons.open;
    int overlay = -1;
    if (data.Attributes & SFGAO::SHARE)
        overlay = 0;
    if (data.Attributes & SFGAO::LINK)
        overlay = 1;
    if (image >= 0)
        node->setIcon(0, TSystemImageList::instance().composedIcon(
                             image, selected < 0 ? image : selected, overlay));
    node->setChildIndicatorPolicy(child.HasButton ? QTreeWidgetItem::ShowIndicator
                                                  : QTreeWidgetItem::DontShowIndicator);

    m_settingText = true;
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    m_settingText = false;
    return node;
}

bool TSystemTreeView::populateNode(const TShellFolderRef& folder, TTreeNode* node) {
    // Children already there (a refresh keeps them with their own children) stay as they are.
    QHash<QByteArray, TTreeNode*> existing;
    for (int i = 0; i < node->childCount(); ++i) {
        if (node->Child(i)->Data)
            existing.insert(relativeKey(node->Child(i)->Data->RelativeID), node->Child(i));
    }
    TUpdateBracket bracket(this);
    TWaitCursor wait;
    auto read = EnumerateTreeChildren(*folder, treeFilter(), [&existing](PCItemID relative) {
        return existing.remove(relativeKey(relative)) > 0;
    });
    if (!read)
        return false;
    for (TTreeChild& child : read->Children) {
        ItemIDList absolute = ConcatIDLists(node->Data->AbsoluteID, child.Relative);
        addFolderNode(folder, std::move(absolute), node, std::move(child));
    }
    // What was not listed again is gone; the selection leaves it for the refreshed node.
    for (TTreeNode* gone : std::as_const(existing)) {
        if (isWithin(Selected(), gone))
            setCurrentItem(node);
        delete gone;
    }
    return read->Any;
}

// The expand check: reads the node's children the first time; a node that turns out empty
// loses its button.
bool TSystemTreeView::prepareExpand(TTreeNode* node) {
    if (!node)
        return false;
    if (!node->Data) {
        ReportMissingFolderData(this);
        return false;
    }
    if (node->Data->Populated)
        return node->childCount() > 0;
    bool answer;
    if (node->parent() || m_rootFolder != TRootFolder::rfDesktop) {
        const TShellFolderRef folder =
            node->Data->ParentFolder->BindToObject(node->Data->RelativeID);
        if (!folder) {
            // The folder went away since it was listed. The error goes to the error reporter
            // here rather than up through the item view's signal handling.
            node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
            ReportViewError(m_errorReporter, EShellError(
                QStringLiteral("Cannot open folder %1").arg(GetNodePath(node)).toStdString()));
            return false;
        }
        node->Data->Populated = true;
        answer = populateNode(folder, node);
    } else {
        answer = populateNode(m_desktopFolder, node);
        node->Data->Populated = true;
    }
    if (answer) {
        TUpdateBracket bracket(this);
        node->sortChildren(0, Qt::AscendingOrder);
    }
    if (answer && OnPopulated)
        OnPopulated(this, node);
    if (!answer)
        node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    return answer;
}

void TSystemTreeView::ExpandNode(TTreeNode* node) {
    if (node && prepareExpand(node))
        node->setExpanded(true);
}

void TSystemTreeView::handleExpanded(QTreeWidgetItem* item) {
    auto* node = static_cast<TTreeNode*>(item);
    if (!node->Data)
        return;
    if (!node->Data->Populated) {
        if (!prepareExpand(node))
            node->setExpanded(false);
        return;
    }
    // Nodes added on the way to a selection take their place among the others.
    TUpdateBracket bracket(this);
    node->sortChildren(0, Qt::AscendingOrder);
}

QString TSystemTreeView::GetNodePath(const TTreeNode* node) const {
    return QFile::decodeName(nodeNativePath(node));
}

PCItemID TSystemTreeView::SelectedAbsoluteID() const {
    const TTreeNode* node = Selected();
    return node && node->Data ? node->Data->AbsoluteID.get() : nullptr;
}

void TSystemTreeView::SetSelected(TTreeNode* node) {
    setCurrentItem(node);
}

TTreeNode* TSystemTreeView::WatchedNode() const {
    return m_watchedIndex.isValid() ? static_cast<TTreeNode*>(itemFromIndex(m_watchedIndex))
                                    : nullptr;
}

// --- rebuild and selection ----------------------------------------------------------------

void TSystemTreeView::Rebuild() {
    ItemIDList remembered;
    if (const TTreeNode* selected = Selected(); selected && selected->Data)
        remembered = CopyIDList(selected->Data->AbsoluteID);
    const bool savedImmediate = m_immediateChange;
    m_immediateChange = true;
    {
        TUpdateBracket bracket(this);
        clearSelection();
        clear();
        ItemIDList root = m_rootFolder == TRootFolder::rfCustom
                              ? m_desktopFolder->ParseDisplayName(m_customDir)
                              : SHGetSpecialFolderLocation(RootFolderCSIDL(m_rootFolder));
        if (root) {
            ItemIDList absolute = CopyIDList(root);
            TTreeNode* node =
                addItemNode(m_desktopFolder, std::move(absolute), nullptr, std::move(root));
            if (m_expandRoot && node)
                ExpandNode(node);
        }
        if (m_sortType != TSortType::stNone)
            sortItems(0, Qt::AscendingOrder);
        if (!m_pendingSelection.isEmpty()) {
            const QString pending = std::exchange(m_pendingSelection, QString());
            SetSelection(pending);
        } else if (remembered) {
            const ItemIDList relative = rootRelative(remembered);
            if (relative)
                setCurrentItem(FindNodeByID(relative));
        }
    }
    m_immediateChange = savedImmediate;
    NotifyLinkedControls(false);
    // The nodes were made anew: the watcher follows the selected folder's new node.
    if (!WatchedNode() || WatchedNode() != Selected())
        WatchNode(Selected());
}

void TSystemTreeView::RecreateWnd() {
    qDebug().noquote() << "destroyingwnd start";
    m_destroyingWindow = true;
    if (m_pendingSelection.isEmpty())
        m_pendingSelection = Selection();
    if (m_changeTimer.isActive()) {
        m_changeTimer.stop();
        m_immediateChange = true;
    }
    {
        TUpdateBracket bracket(this);
        clear();
    }
    qDebug().noquote() << "destroyingwnd end";
    m_destroyingWindow = false;
    applyColors();
    Rebuild();
}

QString TSystemTreeView::Selection() const {
    return GetNodePath(Selected());
}

TShellFolderRef TSystemTreeView::rootOwnFolder() const {
    TTreeNode* root = RootNode();
    if (!root || !root->Data)
        return nullptr;
    if (root->childCount() > 0 && root->Child(0)->Data)
        return root->Child(0)->Data->ParentFolder;
    if (m_rootFolder == TRootFolder::rfDesktop)
        return m_desktopFolder;
    return root->Data->ParentFolder->BindToObject(root->Data->RelativeID);
}

void TSystemTreeView::SetSelection(const QString& path) {
    TTreeNode* root = RootNode();
    if (!root)
        return;
    if (!root->isExpanded())
        ExpandNode(root);
    if (root->childCount() == 0)
        return;
    const TShellFolderRef folder =
        root->Child(0)->Data ? root->Child(0)->Data->ParentFolder : nullptr;
    if (!folder)
        return;
    QString text = path;
    const bool plainRoot = m_rootFolder == TRootFolder::rfDesktop ||
                           m_rootFolder == TRootFolder::rfDrives ||
                           m_rootFolder == TRootFolder::rfFileSystem;
    const QString prefix = root->text(0) + u'/';
    if (!plainRoot && text.startsWith(prefix, Qt::CaseInsensitive))
        text = text.mid(prefix.size());
    const ItemIDList parsed = folder->ParseDisplayName(text);
    if (!parsed)
        return;
    TUpdateBracket bracket(this);
    TTreeNode* node = FindNodeByID(parsed);
    setCurrentItem(node);
    if (node)
        scrollToItem(node);
}

// A list from the desktop made relative to the root's own folder (the desktop root takes it
// as it is). A list outside the root gives none.
ItemIDList TSystemTreeView::rootRelative(PCItemID absolute) const {
    if (m_rootFolder == TRootFolder::rfDesktop)
        return CopyIDList(absolute);
    const TShellFolderRef folder = rootOwnFolder();
    const QByteArray path = SHGetNativePathFromIDList(absolute);
    const QByteArray rootPath = nodeNativePath(RootNode());
    if (!folder || path.isEmpty())
        return {};
    if (path == rootPath)
        return AllocIDList(2);
    return folder->ParseNativePath(path);
}

TTreeNode* TSystemTreeView::FindNodeByID(PCItemID list) {
    TTreeNode* node = RootNode();
    if (!node || !list)
        return nullptr;
    if (ElementCount(list) == 0 || node->childCount() == 0)
        return node;
    PCItemID position = list;
    ItemIDList element = CopyFirstID(position);
    int index = 0;
    TTreeNode* candidate = node->Child(0);
    while (candidate && candidate->Data && candidate->Data->RelativeID && element) {
        const TShellFolderRef& folder = candidate->Data->ParentFolder;
        if (folder->CompareIDs(0, candidate->Data->RelativeID, element) != 0) {
            ++index;
            if (index >= node->childCount()) {
                // Not among the children (a hidden folder, say): add it on the way.
                PCItemID base = node->Data ? node->Data->AbsoluteID.get() : nullptr;
                ItemIDList absolute = ConcatIDLists(base, element);
                if (!addItemNode(folder, std::move(absolute), node, CopyIDList(element)))
                    break;
            }
        } else {
            node = candidate;
            position = NextID(position);
            if (!position || ElementCount(position) == 0)
                break;
            element = CopyFirstID(position);
            ExpandNode(node);
            if (node->childCount() == 0)
                break;
            index = 0;
        }
        candidate = node->Child(index);
    }
    return node;
}

void TSystemTreeView::RefreshNode(TTreeNode* node) {
    if (!node)
        return;
    const bool wasExpanded = node->isExpanded();
    {
        TUpdateBracket bracket(this);
        if (node->Data) {
            // The children that still exist are kept, with their expanded subfolders, the
            // selection and the scroll position; enumeration adds the new and drops the gone.
            node->Data->Populated = false;
            node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            const bool allowed = prepareExpand(node);
            if (wasExpanded && allowed)
                node->setExpanded(true);
            else if (!allowed)
                node->setExpanded(false);
        }
    }
    NotifyLinkedControls(true);
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
    if (node && node != Selected())
        setCurrentItem(node);
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

void TSystemTreeView::WatchNode(TTreeNode* node) {
    if (m_watcher) {
        m_watcher->Terminate();
        m_watcher = nullptr;
        m_watchedIndex = QPersistentModelIndex();
    }
    const TWatchTarget target =
        WatchTargetOf(nodeNativePath(node), m_showFiles, !m_listView.isNull(), EntryKindOf);
    if (target.Folder.isEmpty())
        return;
    m_watchedIndex = QPersistentModelIndex(indexFromItem(node));
    m_watcher = TFileChangeThread::Create(target.Folder, false, target.Kinds);
    m_watcher->SetOnTerminate([this](TFileChangeThread*) { FolderChanged(); });
}

// A notice of the watcher: the folder is read again once the burst it belongs to is over.
void TSystemTreeView::FolderChanged() {
    m_watcher = nullptr;
    m_refresh.Notice();
}

void TSystemTreeView::refreshWatchedFolder() {
    if (m_watcher)
        return;
    TUpdateBracket bracket(this);
    TTreeNode* watched = WatchedNode();
    const QByteArray path = nodeNativePath(watched);
    switch (WatchedChangeOf(path, EntryKindOf(path))) {
    case TWatchedChange::None:
        return;
    case TWatchedChange::RefreshNode:
        m_watchedIndex = QPersistentModelIndex();
        refreshKeepingExpanded(watched);
        WatchNode(watched);
        return;
    case TWatchedChange::WatchParent:
        WatchNode(watched->Parent());
        return;
    case TWatchedChange::RefreshParent:
        TTreeNode* parent = watched->Parent();
        m_watchedIndex = QPersistentModelIndex();
        if (!parent)
            return;
        refreshKeepingExpanded(parent);
        setCurrentItem(parent);
        return;
    }
}

// Reads the node again; an expanded node is expanded again and kept in view.
void TSystemTreeView::refreshKeepingExpanded(TTreeNode* node) {
    const bool wasExpanded = node->isExpanded();
    RefreshNode(node);
    if (wasExpanded) {
        ExpandNode(node);
        scrollToItem(node);
    }
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
        paths.append(nodeNativePath(static_cast<const TTreeNode*>(item)));
    return LocalFilesMimeData(paths);
}

void TSystemTreeView::startDrag(Qt::DropActions supportedActions) {
    const TNoticeHold hold;
    QTreeWidget::startDrag(supportedActions);
}

// --- mouse --------------------------------------------------------------------------------

// Without buttons the indentation left of a node is no place to click: a press there
// neither selects nor opens the node.
bool TSystemTreeView::inHiddenButtonArea(QPoint viewportPoint) const {
    if (m_showButtons)
        return false;
    const QModelIndex index = indexAt(viewportPoint);
    return index.isValid() && viewportPoint.x() < visualRect(index).left();
}

void TSystemTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (inHiddenButtonArea(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void TSystemTreeView::mousePressEvent(QMouseEvent* event) {
    if (inHiddenButtonArea(event->position().toPoint())) {
        event->accept();
        return;
    }
    // A right press selects only with RightClickSelect; the shell menu selects on release.
    if (event->button() == Qt::RightButton && !m_rightClickSelect) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TSystemTreeView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton && inHiddenButtonArea(event->position().toPoint())) {
        event->accept();
        return;
    }
    if (event->button() != Qt::RightButton) {
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const QPoint screenPoint = event->globalPosition().toPoint();
    ShowRightButtonMenus(m_popupMenuMethod, m_popupMenu, screenPoint,
                         [this, point, screenPoint] { return showNodeMenu(point, screenPoint); });
    event->accept();
}

// The shell menu of the node under the mouse, which becomes the selection first.
bool TSystemTreeView::showNodeMenu(QPoint viewportPoint, QPoint screenPoint) {
    auto* node = static_cast<TTreeNode*>(itemAt(viewportPoint));
    if (!node)
        return false;
    setCurrentItem(node);
    if (!node->Data) {
        ReportMissingFolderData(this);
        return false;
    }
    const std::vector<PCItemID> ids{node->Data->RelativeID.get()};
    return ShowItemContextMenu(node->Data->ParentFolder, ids, node->Data->Attributes,
                               screenPoint, GetOwnerWindow(this));
}

void TSystemTreeView::mouseMoveEvent(QMouseEvent* event) {
    if (m_autoscroll)
        AutoscrollTowardsEdge(*this, *this, event->position().toPoint());
    QTreeWidget::mouseMoveEvent(event);
}
