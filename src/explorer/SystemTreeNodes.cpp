// The folder tree's nodes: reading a folder's children when a node first expands, finding
// the node of a list or a path, and reading a watched folder again after a change.
#include "ErrorReporter.h"
#include "FolderWatch.h"
#include "ShellNamespace.h"
#include "SystemTreeView.h"
#include "UpdateBracket.h"

#include <QFile>
#include <QHash>
#include <QScopedValueRollback>

// --- reading nodes ------------------------------------------------------------------------

TTreeFilter TSystemTreeView::treeFilter() const {
    return {m_showFiles, m_showHiddenDirs, m_rootFolder == TRootFolder::rfFileSystem,
            m_fileMask.isEmpty() ? nullptr : &m_maskList};
}

// The node of an item that is not among the enumerated children: the root, or a folder
// added on the way to a selection.
TTreeNode* TSystemTreeView::AddFolderNode(const TShellFolderRef& folder, ItemIDList absolute,
                                          TTreeNode* parent, ItemIDList relative) {
    QString name = GetDisplayName(*folder, relative, 0);
    if (!parent && m_rootFolder == TRootFolder::rfCustom && !m_customDirCaption.isEmpty())
        name = m_customDirCaption;
    auto child = ReadTreeChild(*folder, std::move(relative), std::move(name), treeFilter());
    return child ? addChildNode(folder, std::move(absolute), parent, std::move(*child)) : nullptr;
}

TTreeNode* TSystemTreeView::addChildNode(const TShellFolderRef& folder, ItemIDList absolute,
                                         TTreeNode* parent, TTreeChild child) {
    auto owned =
        MakeTreeNode(folder, std::move(absolute), std::move(child), m_readOnly, m_checkboxes);
    TTreeNode* node = owned.release(); // owned by the tree (or its parent node) once added
    m_settingText = true;
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    m_settingText = false;
    return node;
}

bool TSystemTreeView::PopulateNode(const TShellFolderRef& folder, TTreeNode* node) {
    // Children already there (a refresh keeps them with their own children) stay as they are.
    QHash<QByteArray, TTreeNode*> existing;
    for (int i = 0; i < node->childCount(); ++i) {
        if (node->Child(i)->Data)
            existing.insert(RelativeKey(node->Child(i)->Data->RelativeID), node->Child(i));
    }
    TUpdateBracket bracket(this);
    TWaitCursor wait;
    auto read = EnumerateTreeChildren(*folder, treeFilter(), [&existing](PCItemID relative) {
        return existing.remove(RelativeKey(relative)) > 0;
    });
    if (!read)
        return false;
    for (TTreeChild& child : read->Children) {
        ItemIDList absolute = ConcatIDLists(node->Data->AbsoluteID, child.Relative);
        addChildNode(folder, std::move(absolute), node, std::move(child));
    }
    // What was not listed again is gone; the selection leaves it for the refreshed node.
    for (TTreeNode* gone : std::as_const(existing)) {
        if (IsWithinNode(Selected(), gone))
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
            if (!m_followingChange) {
                //: %1 is the path of a folder that went away since the tree listed it.
                const QString message = tr("Cannot open folder %1").arg(GetNodePath(node));
                ReportViewError(m_errorReporter, EShellError(message.toStdString()));
            }
            return false;
        }
        node->Data->Populated = true;
        answer = PopulateNode(folder, node);
    } else {
        answer = PopulateNode(m_desktopFolder, node);
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
    return QFile::decodeName(NodeNativePath(node));
}

PCItemID TSystemTreeView::SelectedAbsoluteID() const {
    const TTreeNode* node = Selected();
    return node && node->Data ? node->Data->AbsoluteID.get() : nullptr;
}

void TSystemTreeView::setSelected(TTreeNode* node) {
    setCurrentItem(node);
}

TTreeNode* TSystemTreeView::WatchedNode() const {
    const QModelIndex node = m_watch.node();
    return node.isValid() ? static_cast<TTreeNode*>(itemFromIndex(node)) : nullptr;
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
                AddFolderNode(m_desktopFolder, std::move(absolute), nullptr, std::move(root));
            if (m_expandRoot && node)
                ExpandNode(node);
        }
        if (m_sortType != TSortType::stNone)
            sortItems(0, Qt::AscendingOrder);
        if (!m_pendingSelection.isEmpty()) {
            const QString pending = std::exchange(m_pendingSelection, QString());
            setDirectory(pending);
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

void TSystemTreeView::setDirectory(const QString& path) {
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
    if (node) {
        scrollToItem(node);
        showSideways(indexFromItem(node));
    }
}

// A list from the desktop made relative to the root's own folder (the desktop root takes it
// as it is). A list outside the root gives none.
ItemIDList TSystemTreeView::rootRelative(PCItemID absolute) const {
    if (m_rootFolder == TRootFolder::rfDesktop)
        return CopyIDList(absolute);
    const TShellFolderRef folder = rootOwnFolder();
    const QByteArray path = SHGetNativePathFromIDList(absolute);
    const QByteArray rootPath = NodeNativePath(RootNode());
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
                if (!AddFolderNode(folder, std::move(absolute), node, CopyIDList(element)))
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

// --- watching ----------------------------------------------------------------------------

void TSystemTreeView::WatchNode(TTreeNode* node) {
    const TWatchTarget target =
        WatchTargetOf(NodeNativePath(node), m_showFiles, !m_listView.isNull(), EntryKindOf);
    m_watch.watch(indexFromItem(node), target);
}

// A burst of notices on the watched folder is over: the folder is read again.
void TSystemTreeView::FolderChanged() {
    if (m_watch.watching())
        return;
    TUpdateBracket bracket(this);
    const QScopedValueRollback following(m_followingChange, true);
    TTreeNode* watched = WatchedNode();
    const QByteArray path = NodeNativePath(watched);
    switch (WatchedChangeOf(path, EntryKindOf(path))) {
    case TWatchedChange::None:
        return;
    case TWatchedChange::RefreshNode:
        m_watch.forgetNode();
        refreshKeepingExpanded(watched);
        if (watched->Data && watched->Data->Populated) {
            WatchNode(watched);
            return;
        }
        // It went away while it was read.
        selectNearestFolderLeft(watched);
        return;
    case TWatchedChange::WatchParent:
        WatchNode(watched->Parent());
        return;
    case TWatchedChange::RefreshParent:
        m_watch.forgetNode();
        selectNearestFolderLeft(watched);
        return;
    }
}

// The watched folder is gone, and its ancestors may have gone with it (a parent removed with
// all it held): the nearest folder still there is read again, which drops the nodes of what
// went, and becomes the selection.
void TSystemTreeView::selectNearestFolderLeft(TTreeNode* gone) {
    for (TTreeNode* level = gone->Parent(); level; level = level->Parent()) {
        const QByteArray path = NodeNativePath(level);
        if (!path.isEmpty() && EntryKindOf(path) != TEntryKind::Directory)
            continue;
        refreshKeepingExpanded(level);
        // A folder that went away while it was read is passed over too.
        if (level->Data && level->Data->Populated) {
            setCurrentItem(level);
            return;
        }
    }
}

// Reads the node again; an expanded node stays expanded (RefreshNode sees to that) and in view.
void TSystemTreeView::refreshKeepingExpanded(TTreeNode* node) {
    const bool wasExpanded = node->isExpanded();
    RefreshNode(node);
    if (wasExpanded)
        scrollToItem(node);
}
