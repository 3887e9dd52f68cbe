// The file list's items: reading a folder into them, sorting them, finding and selecting
// them (reading a changed folder again: SystemListRereading.cpp).
#include "DisplayNames.h"
#include "ItemDetails.h"
#include "ItemPaths.h"
#include "ListSorting.h"
#include "ListViewState.h"
#include "ShellNamespace.h"
#include "SystemListView.h"

#include <QAbstractItemView>
#include <QFile>
#include <QListView>
#include <QTreeView>

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
    if (force && sameFolder && Count() >= BackgroundReadFrom && readAgainInBackground())
        return true;
    ++m_populateGeneration;
    m_readAgain = false;
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
            setColumnType(TColumnType::ctFileSystem);
        result = FillList(m_baseFolder, m_currentID);
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
            setColumnType(attributes && (*attributes & SFGAO::FILESYSTEM)
                              ? TColumnType::ctFileSystem
                              : TColumnType::ctUnknown);
        }
        if (const TShellFolderRef bound =
                m_baseFolder ? m_baseFolder->BindToObject(m_currentID) : nullptr)
            result = FillList(bound, m_currentID);
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

bool TSystemListView::FillList(const TShellFolderRef& folder, PCItemID parentAbsolute) {
    if (!folder)
        return false;
    auto items = folder->EnumObjects(enumerationFlags());
    if (!items)
        return false;
    m_model->Reserve(m_allocBy);
    bool any = false;
    while (auto relative = items->Next()) {
        any = true;
        ItemIDList absolute = ConcatIDLists(parentAbsolute, *relative);
        AddFileItem(folder, std::move(absolute), std::move(*relative));
    }
    return any;
}

TListItem* TSystemListView::AddFileItem(const TShellFolderRef& folder, ItemIDList absolute,
                                        ItemIDList relative) {
    std::unique_ptr<TListItem> made = makeFileItem(folder, std::move(absolute), std::move(relative));
    return made ? finishFileItem(m_model->Add(std::move(made))) : nullptr;
}

std::unique_ptr<TListItem> TSystemListView::makeFileItem(const TShellFolderRef& folder,
                                                         ItemIDList absolute,
                                                         ItemIDList relative) const {
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

    auto item = std::make_unique<TListItem>();
    item->Data = std::make_unique<TFolderItemData>(TFolderDataOwner::List);
    TFolderItemData& data = *item->Data;
    data.ParentFolder = folder;
    data.RelativeID = std::move(relative);
    data.AbsoluteID = std::move(absolute);
    data.Attributes = *attributes;
    TItemDetails details = GatherItemDetails(data, name);
    item->ImageIndex = ListItemIconIndex(data.AbsoluteID, details.Path, details.Facts);
    if (data.Attributes & SFGAO::SHARE) {
        item->OverlayIndex = 0;
    } else if (data.Attributes & SFGAO::LINK) {
        item->OverlayIndex = 1;
        const QByteArray path = NativeItemPath(item->Data.get());
        name = DisplayNameOfBytes(path.mid(path.lastIndexOf('/') + 1));
    }
    item->Caption = name;
    details.Keys.Name = name;
    item->Keys = std::move(details.Keys);
    item->Facts = details.Facts;
    item->SubItems = std::move(details.Texts);
    return item;
}

// An item in the list gets its detail texts from the handler, when there is one.
TListItem* TSystemListView::finishFileItem(TListItem* item) {
    if (OnAddListItem) {
        item->SubItems.clear();
        OnAddListItem(this, item);
    }
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

void TSystemListView::setSelected(TListItem* item, bool selected) {
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

void TSystemListView::setItemFocused(TListItem* item) {
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
