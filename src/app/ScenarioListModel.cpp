#include "ScenarioListModel.h"

#include <algorithm>

TScenarioListModel::TScenarioListModel(TCampaign& campaign, const TTextCodec& codec,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_campaign(campaign), m_codec(codec), m_shown(shownRows()),
      m_rows(static_cast<int>(m_shown.size())) {}

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
        return tr("Scenario Name");
    case FileNameColumn:
        return tr("Scenario Filename");
    case OffsetColumn:
        return tr("Offset");
    case SizeColumn:
        return tr("Size");
    default:
        return {};
    }
}

std::vector<TScenarioListModel::ShownRow> TScenarioListModel::shownRows() const {
    std::vector<ShownRow> rows;
    rows.reserve(m_campaign.Count());
    for (std::size_t index = 0; index < m_campaign.Count(); ++index) {
        const TCampaignEntry& entry = m_campaign.Entry(index);
        rows.push_back({entry.Scenario.get(), entry.Name, entry.FileName, entry.OffsetText,
                        entry.SizeText});
    }
    return rows;
}

std::optional<int> TScenarioListModel::Sync() {
    const std::vector<ShownRow> now = shownRows();
    const auto sameEntry = [&](int shown, int current) {
        return m_shown[static_cast<std::size_t>(shown)].Entry ==
               now[static_cast<std::size_t>(current)].Entry;
    };
    const int before = static_cast<int>(m_shown.size());
    const int after = static_cast<int>(now.size());
    int first = 0;
    while (first < before && first < after && sameEntry(first, first))
        ++first;
    int tail = 0;
    while (tail < before - first && tail < after - first &&
           sameEntry(before - 1 - tail, after - 1 - tail))
        ++tail;
    std::optional<int> looked;
    if (first < before - tail || first < after - tail)
        looked = reportMiddle(first, before - tail, after - tail, now);

    // The rows that stayed, now in their new places, against their texts of now.
    int firstChanged = -1;
    int lastChanged = -1;
    for (int row = 0; row < after; ++row)
        if (m_shown[static_cast<std::size_t>(row)] != now[static_cast<std::size_t>(row)]) {
            firstChanged = firstChanged < 0 ? row : firstChanged;
            lastChanged = row;
        }
    m_shown = now;
    if (firstChanged >= 0) {
        emit dataChanged(index(firstChanged, 0), index(lastChanged, ColumnCount - 1));
        if (!looked && before == after)
            looked = firstChanged;
    }
    return looked;
}

std::optional<int> TScenarioListModel::reportMiddle(int first, int oldEnd, int newEnd,
                                                    const std::vector<ShownRow>& now) {
    const auto shown = [&](int row) { return m_shown[static_cast<std::size_t>(row)].Entry; };
    const auto current = [&](int row) { return now[static_cast<std::size_t>(row)].Entry; };
    const auto at = [](auto& rows, int row) { return rows.begin() + row; };
    if (oldEnd - first == newEnd - first && oldEnd - first > 1) {
        // One row taken out and put back further down, or further up.
        bool down = shown(first) == current(newEnd - 1);
        bool up = shown(oldEnd - 1) == current(first);
        for (int row = first + 1; row < oldEnd; ++row) {
            down = down && shown(row) == current(row - 1);
            up = up && shown(row - 1) == current(row);
        }
        if (down || up) {
            const int from = down ? first : oldEnd - 1;
            beginMoveRows({}, from, from, {}, down ? newEnd : first);
            if (down)
                std::rotate(at(m_shown, first), at(m_shown, first + 1), at(m_shown, oldEnd));
            else
                std::rotate(at(m_shown, first), at(m_shown, oldEnd - 1), at(m_shown, oldEnd));
            endMoveRows();
            return down ? newEnd - 1 : first;
        }
    }
    if (oldEnd > first) {
        beginRemoveRows({}, first, oldEnd - 1);
        m_shown.erase(at(m_shown, first), at(m_shown, oldEnd));
        m_rows = static_cast<int>(m_shown.size());
        endRemoveRows();
    }
    if (newEnd == first)
        return std::nullopt;
    beginInsertRows({}, first, newEnd - 1);
    m_shown.insert(at(m_shown, first), now.begin() + first, now.begin() + newEnd);
    m_rows = static_cast<int>(m_shown.size());
    endInsertRows();
    return first;
}
