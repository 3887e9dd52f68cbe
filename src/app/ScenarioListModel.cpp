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

void TScenarioListModel::reportChange(int position, int rowsBefore) {
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
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
}
