#include "SystemListModel.h"

#include "ItemPaths.h"

#include <QMimeData>
#include <algorithm>
#include <set>

TSystemListModel::TSystemListModel(QObject* parent) : QAbstractTableModel(parent) {}

TSystemListModel::~TSystemListModel() = default;

int TSystemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TSystemListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max<int>(1, static_cast<int>(m_columns.size()));
}

QVariant TSystemListModel::data(const QModelIndex& index, int role) const {
    const TListItem* item = Item(index.row());
    if (!item)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::ToolTipRole:
        if (!m_toolTips)
            return {};
        [[fallthrough]];
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == 0)
            return item->Caption;
        return column - 1 < item->SubItems.size() ? item->SubItems[column - 1] : QString();
    case Qt::CheckStateRole:
        if (!m_checkboxes || column != 0)
            return {};
        return static_cast<int>(item->Checked ? Qt::Checked : Qt::Unchecked);
    case Qt::DecorationRole:
        if (column != 0 || item->ImageIndex < 0)
            return {};
        return TSystemImageList::instance().composedIcon(item->ImageIndex, item->ImageIndex,
                                                         item->OverlayIndex);
    case Qt::TextAlignmentRole:
        if (column < static_cast<int>(m_columns.size()))
            return QVariant::fromValue(m_columns[static_cast<std::size_t>(column)].Alignment |
                                       Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant TSystemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(m_columns.size()))
        return {};
    const TListColumn& column = m_columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.Caption;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.Alignment | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags TSystemListModel::flags(const QModelIndex& index) const {
    const TListItem* item = Item(index.row());
    if (!item)
        return Qt::NoItemFlags;
    Qt::ItemFlags result =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
    if (!m_readOnly && index.column() == 0 && HasAttribute(item->Data.get(), SFGAO::CANRENAME))
        result |= Qt::ItemIsEditable;
    if (m_checkboxes && index.column() == 0)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

bool TSystemListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TListItem* item = Item(index.row());
    if (role == Qt::CheckStateRole && item && m_checkboxes && index.column() == 0) {
        item->Checked = static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    if (role != Qt::EditRole || index.column() != 0 || !item || m_readOnly || !m_renamer)
        return false;
    const QString newName = value.toString();
    if (newName == item->Caption)
        return false;
    if (!m_renamer(*item, newName))
        return false;
    item->Caption = newName;
    emit dataChanged(index, index);
    return true;
}

QStringList TSystemListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData* TSystemListModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    QList<QByteArray> paths;
    for (const int row : rows) {
        if (m_pathOf && Item(row))
            paths.append(m_pathOf(Item(row)));
    }
    return LocalFilesMimeData(paths);
}

Qt::DropActions TSystemListModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::LinkAction;
}

void TSystemListModel::setCheckboxes(bool on) {
    if (on == m_checkboxes)
        return;
    m_checkboxes = on;
    if (Count() > 0)
        emit dataChanged(index(0, 0), index(Count() - 1, 0), {Qt::CheckStateRole});
}

void TSystemListModel::Reserve(int count) {
    if (count > 0)
        m_items.reserve(static_cast<std::size_t>(count));
}

void TSystemListModel::BeginUpdate() {
    if (m_updating)
        return;
    m_updating = true;
    beginResetModel();
}

void TSystemListModel::EndUpdate() {
    if (!m_updating)
        return;
    reindex();
    m_updating = false;
    endResetModel();
}

void TSystemListModel::Clear() {
    const bool bracket = !m_updating;
    if (bracket)
        BeginUpdate();
    m_items.clear();
    m_rows.clear();
    if (bracket)
        EndUpdate();
}

TListItem* TSystemListModel::Add(std::unique_ptr<TListItem> item) {
    TListItem* added = item.get();
    const int row = Count();
    if (!m_updating)
        beginInsertRows({}, row, row);
    m_items.push_back(std::move(item));
    if (!m_rowsStale)
        m_rows[added] = row;
    if (!m_updating)
        endInsertRows();
    return added;
}

TListItem* TSystemListModel::Insert(int row, std::unique_ptr<TListItem> item) {
    row = std::clamp(row, 0, Count());
    TListItem* added = item.get();
    if (!m_updating)
        beginInsertRows({}, row, row);
    m_items.insert(m_items.begin() + row, std::move(item));
    m_rowsStale = true;
    if (!m_updating)
        endInsertRows();
    return added;
}

void TSystemListModel::Remove(int row) {
    if (row < 0 || row >= Count())
        return;
    if (!m_updating)
        beginRemoveRows({}, row, row);
    // The row leaves the model before the item is freed, so nothing reaches a freed item.
    std::unique_ptr<TListItem> removed = std::move(m_items[static_cast<std::size_t>(row)]);
    m_items.erase(m_items.begin() + row);
    m_rowsStale = true;
    if (!m_updating)
        endRemoveRows();
}

TListItem* TSystemListModel::Item(int row) const {
    if (row < 0 || row >= Count())
        return nullptr;
    return m_items[static_cast<std::size_t>(row)].get();
}

int TSystemListModel::RowOf(const TListItem* item) const {
    if (m_rowsStale)
        reindex();
    const auto found = m_rows.find(item);
    return found == m_rows.end() ? -1 : found->second;
}

void TSystemListModel::setColumns(std::vector<TListColumn> columns) {
    const bool bracket = !m_updating;
    if (bracket)
        BeginUpdate();
    m_columns = std::move(columns);
    if (bracket)
        EndUpdate();
}

void TSystemListModel::reindex() const {
    m_rowsStale = false;
    m_rows.clear();
    for (std::size_t row = 0; row < m_items.size(); ++row)
        m_rows[m_items[row].get()] = static_cast<int>(row);
}

void TSystemListModel::Sort(const std::function<int(const TListItem*, const TListItem*)>& compare) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<const TListItem*> owners;
    owners.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        owners.push_back(Item(index.row()));
    std::stable_sort(m_items.begin(), m_items.end(), [&compare](const auto& a, const auto& b) {
        return compare(a.get(), b.get()) < 0;
    });
    reindex();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(RowOf(owners[static_cast<std::size_t>(i)]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
