#pragma once

#include "ListColumns.h"
#include "ListItem.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

// The file list's rows and columns for Qt's item views. Everything shown is computed when
// an item is added; painting only reads it.
class TSystemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using TRenamer = std::function<bool(TListItem& item, const QString& newName)>;
    // An item's path as the file system's bytes.
    using TPathOf = std::function<QByteArray(const TListItem* item)>;

    explicit TSystemListModel(QObject* parent = nullptr);
    ~TSystemListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    // Resets around a change of the whole contents.
    void BeginUpdate();
    void EndUpdate();
    void Clear();
    TListItem* Add(std::unique_ptr<TListItem> item);
    TListItem* Insert(int row, std::unique_ptr<TListItem> item);
    void Remove(int row);

    int Count() const { return static_cast<int>(m_items.size()); }
    TListItem* Item(int row) const;
    int RowOf(const TListItem* item) const;

    void setColumns(std::vector<TListColumn> columns);
    const std::vector<TListColumn>& Columns() const { return m_columns; }

    // Orders the rows by a three-way compare; selection and focus follow their items.
    void Sort(const std::function<int(const TListItem*, const TListItem*)>& compare);

    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    void setCheckboxes(bool on);
    // Whether hovering an item shows its text as a tooltip.
    void setToolTips(bool on) { m_toolTips = on; }
    // Room for this many items ahead of a population.
    void Reserve(int count);
    void setRenamer(TRenamer renamer) { m_renamer = std::move(renamer); }
    void setPathOf(TPathOf pathOf) { m_pathOf = std::move(pathOf); }

private:
    void reindex() const;

    std::vector<std::unique_ptr<TListItem>> m_items;
    // Rebuilt when next asked after rows were inserted or removed.
    mutable std::unordered_map<const TListItem*, int> m_rows;
    mutable bool m_rowsStale = false;
    std::vector<TListColumn> m_columns;
    bool m_readOnly = false;
    bool m_checkboxes = false;
    bool m_toolTips = true;
    bool m_updating = false;
    TRenamer m_renamer;
    TPathOf m_pathOf;
};
