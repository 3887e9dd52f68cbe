#include "ScenarioListModel.h"

TScenarioListModel::TScenarioListModel(TCampaign& campaign, const TTextCodec& codec,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_campaign(campaign), m_codec(codec),
      m_rows(static_cast<int>(campaign.Count())) {}

int TScenarioListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TScenarioListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TScenarioListModel::data(const QModelIndex& index, int role) const {
    // The campaign may already hold fewer rows than the view was told of, while a removal is
    // being reported.
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows ||
        index.row() >= static_cast<int>(m_campaign.Count()))
        return {};
    const TCampaignEntry& entry = m_campaign.Entry(static_cast<std::size_t>(index.row()));
    switch (index.column()) {
    case NameColumn:
        return QString::fromStdString(m_codec.ToUnicode(entry.Name));
    case FileNameColumn:
        return QString::fromStdString(m_codec.ToUnicode(entry.FileName));
    case OffsetColumn:
        return QString::fromStdString(entry.OffsetText);
    case SizeColumn:
        return QString::fromStdString(entry.SizeText);
    default:
        return {};
    }
}

Qt::ItemFlags TScenarioListModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == NameColumn || index.column() == FileNameColumn)
        return flags | Qt::ItemIsEditable;
    return flags;
}

QVariant TScenarioListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case NameColumn:
        return QStringLiteral("Scenario Name");
    case FileNameColumn:
        return QStringLiteral("Scenario Filename");
    case OffsetColumn:
        return QStringLiteral("Offset");
    case SizeColumn:
        return QStringLiteral("Size");
    default:
        return {};
    }
}

TScenarioListModel::RowTexts TScenarioListModel::rowTexts() const {
    RowTexts texts(static_cast<std::size_t>(m_rows));
    for (int row = 0; row < m_rows; ++row)
        for (int column = 0; column < ColumnCount; ++column)
            texts[static_cast<std::size_t>(row)]
                << data(index(row, column), Qt::DisplayRole).toString();
    return texts;
}

void TScenarioListModel::reportChange(int position, const RowTexts& before) {
    const int rowsBefore = static_cast<int>(before.size());
    const int rowsAfter = static_cast<int>(m_campaign.Count());
    if (rowsAfter > rowsBefore) {
        beginInsertRows({}, position, position + rowsAfter - rowsBefore - 1);
        m_rows = rowsAfter;
        endInsertRows();
    } else if (rowsAfter < rowsBefore) {
        beginRemoveRows({}, position, position + rowsBefore - rowsAfter - 1);
        m_rows = rowsAfter;
        endRemoveRows();
    }
    // Each row's texts against those of the row it was before the change; rows just added
    // were reported as such.
    const int shift = rowsAfter - rowsBefore;
    const RowTexts after = rowTexts();
    int first = -1;
    int last = -1;
    for (int row = 0; row < m_rows; ++row) {
        const bool added = shift > 0 && row >= position && row < position + shift;
        const int was = row < position ? row : row - shift;
        if (added || was < 0 || was >= rowsBefore)
            continue;
        if (after[static_cast<std::size_t>(row)] != before[static_cast<std::size_t>(was)]) {
            first = first < 0 ? row : first;
            last = row;
        }
    }
    if (first >= 0)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}
