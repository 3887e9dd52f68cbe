#include "SystemTreeView.h"

#include "Autoscroll.h"
#include "ShellItemCommands.h"
#include "ShellNamespace.h"
#include "TreeBranches.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QUrl>
#include <sys/stat.h>

namespace {

constexpr std::uint32_t kRenameFlags = 0x20;

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

// The still-exists tests of the change handler (a trailing "/" stripped first).
QByteArray existingEntryPath(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return QFile::encodeName(path);
}

bool directoryExists(const QString& path) {
    struct stat info {};
    return ::stat(existingEntryPath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool fileExists(const QString& path) {
    struct stat info {};
    return ::stat(existingEntryPath(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace

int RootFolderCSIDL(TRootFolder root) {
    switch (root) {
    case TRootFolder::rfDesktop:
        return CSIDL::DESKTOP;
    case TRootFolder::rfRecycleBin:
        return CSIDL::BITBUCKET;
    case TRootFolder::rfControlPanel:
        return CSIDL::CONTROLS;
    case TRootFolder::rfDesktopDir:
        return CSIDL::DESKTOPDIRECTORY;
    case TRootFolder::rfDrives:
        return CSIDL::DRIVES;
    case TRootFolder::rfFavoriteURLs:
        return CSIDL::FAVORITES;
    case TRootFolder::rfFonts:
        return CSIDL::FONTS;
    case TRootFolder::rfNetHood:
        return CSIDL::NETWORK;
    case TRootFolder::rfNetHoodDir:
        return CSIDL::NETHOOD;
    case TRootFolder::rfDocumentDir:
        return CSIDL::PERSONAL;
    case TRootFolder::rfPrinters:
        return CSIDL::PRINTERS;
    case TRootFolder::rfPrograms:
        return CSIDL::PROGRAMS;
    case TRootFolder::rfRecentDir:
        return CSIDL::RECENT;
    case TRootFolder::rfSendTo:
        return CSIDL::SENDTO;
    case TRootFolder::rfStartMenu:
        return CSIDL::STARTMENU;
    case TRootFolder::rfStartup:
        return CSIDL::STARTUP;
    case TRootFolder::rfTemplates:
        return CSIDL::TEMPLATES;
    case TRootFolder::rfFileSystem:
        return CSIDL::DRIVES;
    case TRootFolder::rfCustom:
        return -1;
    }
    return -1;
}

int DefaultTreeCompare(const TTreeNode* a, const TTreeNode* b) {
    if (a == b)
        return 0;
    if (!a)
        return -1;
    if (!b)
        return 1;
    if (!a->Data || !a->Data->ParentFolder)
        return 0;
    const PCItemID other = b->Data ? b->Data->RelativeID.get() : nullptr;
    return static_cast<std::int8_t>(
        a->Data->ParentFolder->CompareIDs(0, a->Data->RelativeID, other));
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
    SetReadOnly(m_readOnly);
    SetDragMode(m_dragMode);
    applyColors();
    linkWithSiblingList();
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

void TSystemTreeView::linkWithSiblingList() {
    if (!parentWidget() || m_listView)
        return;
    for (QObject* sibling : parentWidget()->children()) {
        auto* list = dynamic_cast<TCustomSystemListView*>(sibling);
        if (list && !list->TreeView()) {
            LinkSystemViews(this, static_cast<QWidget*>(sibling));
            return;
        }
    }
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
    m_color = color;
    applyColors();
}

void TSystemTreeView::applyColors() {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Color());
    colors.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    viewport()->setPalette(colors);
    viewport()->setAutoFillBackground(true);
}

void TSystemTreeView::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_images = SetupImageLists(TImageListSize::Small);
        setIconSize(QSize(m_images.iconSize, m_images.iconSize));
        applyColors();
    }
}

// --- nodes --------------------------------------------------------------------------------

TTreeNode* TSystemTreeView::addFolderNode(const TShellFolderRef& folder, ItemIDList absolute,
                                          TTreeNode* parent, ItemIDList relative) {
    QString name = GetDisplayName(*folder, relative, 0);
    if (!parent && m_rootFolder == TRootFolder::rfCustom && !m_customDirCaption.isEmpty())
        name = m_customDirCaption;
    const std::uint32_t attributes =
        folder->GetAttributesOf(relative, SFGAO::RequestMask).value_or(0);
    if (m_rootFolder == TRootFolder::rfFileSystem &&
        !(attributes & (SFGAO::FILESYSTEM | SFGAO::FILESYSANCESTOR)))
        return nullptr;
    if (!m_fileMask.isEmpty() && !(attributes & SFGAO::FOLDER) &&
        !MatchesMaskList(name, &m_maskList))
        return nullptr;

    auto* node = new TTreeNode; // owned by the tree (or its parent node) once added below
    node->Data = std::make_unique<TFolderItemData>(TFolderDataOwner::Tree);
    TFolderItemData& data = *node->Data;
    data.ParentFolder = folder;
    data.Attributes = attributes;
    data.RelativeID = std::move(relative);
    data.AbsoluteID = std::move(absolute);
    node->Caption = name;
    node->setText(0, name);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (!m_readOnly && (attributes & SFGAO::CANRENAME))
        flags |= Qt::ItemIsEditable;
    if (m_checkboxes) {
        flags |= Qt::ItemIsUserCheckable;
        node->setCheckState(0, Qt::Unchecked);
    }
    node->setFlags(flags);

    const TIconIndexes icons = WithOpenFallback(GetIconIndexes(data.AbsoluteID));
    const bool folderItem = attributes & SFGAO::FOLDER;
    const int image = folderItem ? icons.normal : icons.open;
    const int selected = icons.open;
    int overlay = -1;
    if (attributes & SFGAO::SHARE)
        overlay = 0;
    if (attributes & SFGAO::LINK)
        overlay = 1;
    if (image >= 0)
        node->setIcon(0, TSystemImageList::instance().composedIcon(
                             image, selected < 0 ? image : selected, overlay));

    bool button = attributes & SFGAO::HASSUBFOLDER;
    if (m_showFiles && !button)
        button = nodeYieldsFiles(data);
    node->setChildIndicatorPolicy(button ? QTreeWidgetItem::ShowIndicator
                                         : QTreeWidgetItem::DontShowIndicator);

    m_settingText = true;
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    m_settingText = false;
    return node;
}

bool TSystemTreeView::nodeYieldsFiles(const TFolderItemData& data) const {
    const TShellFolderRef bound = data.ParentFolder->BindToObject(data.RelativeID);
    if (!bound)
        return false;
    const auto items =
        bound->EnumObjects(SHCONTF::NONFOLDERS | (m_showHiddenDirs ? SHCONTF::INCLUDEHIDDEN : 0));
    return items && items->Next().has_value();
}

bool TSystemTreeView::populateNode(const TShellFolderRef& folder, TTreeNode* node) {
    TUpdateBracket bracket(this);
    TWaitCursor wait;
    std::uint32_t flags = SHCONTF::FOLDERS;
    if (m_showHiddenDirs)
        flags |= SHCONTF::INCLUDEHIDDEN;
    if (m_showFiles)
        flags |= SHCONTF::NONFOLDERS;
    const auto items = folder->EnumObjects(flags);
    if (!items)
        return false;
    bool any = false;
    while (auto relative = items->Next()) {
        any = true;
        ItemIDList absolute = ConcatIDLists(node->Data->AbsoluteID, *relative);
        addFolderNode(folder, std::move(absolute), node, std::move(*relative));
    }
    return any;
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
            // The folder went away since it was listed. The error goes to the top-level
            // handler here rather than up through the item view's signal handling.
            node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
            HandleTopLevelError(EShellError(
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
    if (!node || !node->Data)
        return {};
    return SHGetPathFromIDList(node->Data->AbsoluteID);
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
                addFolderNode(m_desktopFolder, std::move(absolute), nullptr, std::move(root));
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
    const QString path = SHGetPathFromIDList(absolute);
    const QString rootPath = GetNodePath(RootNode());
    if (!folder || path.isEmpty())
        return {};
    if (path == rootPath)
        return AllocIDList(2);
    return folder->ParseDisplayName(path);
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
                if (!addFolderNode(folder, std::move(absolute), node, CopyIDList(element)))
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
        qDeleteAll(node->takeChildren());
        if (node->Data) {
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
    if (m_readDelay == 0 && Selected() && Selected()->Data)
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
    QString path = GetNodePath(node);
    if (m_showFiles && fileExists(path))
        path = QFileInfo(path).path();
    if (path.isEmpty())
        return;
    m_watchedIndex = QPersistentModelIndex(indexFromItem(node));
    const ChangeKinds kinds = (m_listView || m_showFiles)
                                  ? TChangeKind::FileName | TChangeKind::DirName |
                                        TChangeKind::Attributes | TChangeKind::Size |
                                        TChangeKind::LastWrite
                                  : static_cast<ChangeKinds>(TChangeKind::DirName);
    m_watcher = TFileChangeThread::Create(path, false, kinds);
    m_watcher->SetOnTerminate([this](TFileChangeThread*) { FolderChanged(); });
}

void TSystemTreeView::FolderChanged() {
    m_watcher = nullptr;
    TUpdateBracket bracket(this);
    TTreeNode* watched = WatchedNode();
    const QString path = GetNodePath(watched);
    if (path.isEmpty())
        return;
    if (directoryExists(path)) {
        const bool wasExpanded = watched->isExpanded();
        m_watchedIndex = QPersistentModelIndex();
        RefreshNode(watched);
        if (wasExpanded) {
            ExpandNode(watched);
            scrollToItem(watched);
        }
        WatchNode(watched);
    } else if (fileExists(path)) {
        WatchNode(watched->Parent());
    } else {
        TTreeNode* parent = watched->Parent();
        m_watchedIndex = QPersistentModelIndex();
        if (!parent)
            return;
        const bool wasExpanded = parent->isExpanded();
        RefreshNode(parent);
        if (wasExpanded) {
            ExpandNode(parent);
            scrollToItem(parent);
        }
        setCurrentItem(parent);
    }
}

// --- in-place rename ----------------------------------------------------------------------

void TSystemTreeView::handleItemChanged(QTreeWidgetItem* item, int column) {
    auto* node = static_cast<TTreeNode*>(item);
    if (m_settingText || column != 0 || node->text(0) == node->Caption)
        return;
    const QString newName = node->text(0);
    ItemIDList renamed;
    if (!m_readOnly && node->Data && HasAttribute(node->Data.get(), SFGAO::CANRENAME))
        renamed =
            node->Data->ParentFolder->SetNameOf(node->Data->RelativeID, newName, kRenameFlags);
    m_settingText = true;
    if (!renamed) {
        node->setText(0, node->Caption);
        m_settingText = false;
        return;
    }
    node->Caption = newName;
    node->Data->RelativeID = std::move(renamed);
    PCItemID parentID =
        node->Parent() && node->Parent()->Data ? node->Parent()->Data->AbsoluteID.get() : nullptr;
    node->Data->AbsoluteID = ConcatIDLists(parentID, node->Data->RelativeID);
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
    TTreeBranchRow row;
    row.Area = rect;
    row.Indent = indentation();
    const QModelIndex parent = index.parent();
    row.LinkedAbove = index.row() > 0 || parent.isValid();
    row.SiblingBelow = index.row() < model()->rowCount(parent) - 1;
    row.HasButton = model()->hasChildren(index);
    row.Expanded = isExpanded(index);
    const int columns = indentation() > 0 ? rect.width() / indentation() : 0;
    row.PassThrough.assign(std::size_t(std::max(0, columns - 1)), false);
    QModelIndex ancestor = parent;
    for (int column = columns - 2; column >= 0 && ancestor.isValid(); --column) {
        row.PassThrough[std::size_t(column)] =
            ancestor.row() < model()->rowCount(ancestor.parent()) - 1;
        ancestor = ancestor.parent();
    }
    PaintTreeBranches(*painter, TreeBranchShapes(row, {m_showLines, m_showButtons}),
                      viewport()->palette());
}

QStringList TSystemTreeView::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

// A dragged folder goes as its local file URL, which other programs accept too.
QMimeData* TSystemTreeView::mimeData(const QList<QTreeWidgetItem*>& items) const {
    QList<QUrl> urls;
    for (const QTreeWidgetItem* item : items) {
        const QString path = GetNodePath(static_cast<const TTreeNode*>(item));
        if (!path.isEmpty())
            urls.append(QUrl::fromLocalFile(path));
    }
    auto* mime = new QMimeData; // handed to the drag, which owns it
    mime->setUrls(urls);
    return mime;
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
    bool handled = false;
    const QPoint global = event->globalPosition().toPoint();
    if (m_popupMenuMethod == TPopupMenuMethod::pmmContext ||
        m_popupMenuMethod == TPopupMenuMethod::pmmContextUser) {
        if (auto* node = static_cast<TTreeNode*>(itemAt(event->position().toPoint()))) {
            setCurrentItem(node);
            if (!node->Data) {
                ReportMissingFolderData(this);
            } else {
                const std::vector<PCItemID> ids{node->Data->RelativeID.get()};
                handled = ShowItemContextMenu(node->Data->ParentFolder, ids, node->Data->Attributes,
                                              global, GetOwnerWindow(this));
            }
        }
    }
    const bool userMenu = m_popupMenuMethod == TPopupMenuMethod::pmmUser ||
                          m_popupMenuMethod == TPopupMenuMethod::pmmContextUser;
    if (!handled && userMenu && m_popupMenu)
        m_popupMenu->popup(global);
    event->accept();
}

void TSystemTreeView::mouseMoveEvent(QMouseEvent* event) {
    if (m_autoscroll) {
        const QPoint position = viewport()->mapTo(this, event->position().toPoint());
        const bool verticalRange = verticalScrollBar()->maximum() > verticalScrollBar()->minimum();
        const bool horizontalRange =
            horizontalScrollBar()->maximum() > horizontalScrollBar()->minimum();
        const TAutoscrollStep step = AutoscrollStep(position, size(), fontMetrics().height(),
                                                    verticalRange, horizontalRange);
        if (step.dy)
            verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                          step.dy * verticalScrollBar()->singleStep());
        if (step.dx)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                            step.dx * horizontalScrollBar()->singleStep());
    }
    QTreeWidget::mouseMoveEvent(event);
}
