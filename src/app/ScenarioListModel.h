#pragma once

#include "Campaign.h"
#include "TextCodec.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// Shows the campaign's entries as the scenario list's four columns. The commands change the
// campaign first and then tell the model what happened, once per command, so that adding a
// thousand files updates the view once.
class TScenarioListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, FileNameColumn, OffsetColumn, SizeColumn, ColumnCount };

    TScenarioListModel(TCampaign& campaign, const TTextCodec& codec, QObject* parent = nullptr);

    TCampaign& Campaign() { return m_campaign; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Name and File name are edited in place; the list stores a rename through its own
    // command, never through setData.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Runs a change of the campaign's list and reports the rows it added or removed at
    // `position`, then the rows whose texts changed (offsets move with most changes; a save
    // or a new version text changes none). The report is made even when the change fails
    // part way, so that the view always shows what the campaign holds.
    template <typename Change> void Edit(int position, Change&& change);

    // Replaces everything the view shows (a new or loaded campaign).
    template <typename Change> void Reset(Change&& change) {
        beginResetModel();
        struct Finish {
            TScenarioListModel& model;
            ~Finish() {
                model.m_rows = static_cast<int>(model.m_campaign.Count());
                model.endResetModel();
            }
        } finish{*this};
        change();
    }

private:
    using RowTexts = std::vector<QStringList>;
    RowTexts rowTexts() const;
    void reportChange(int position, const RowTexts& before);

    TCampaign& m_campaign;
    const TTextCodec& m_codec;
    int m_rows = 0;
};

template <typename Change> void TScenarioListModel::Edit(int position, Change&& change) {
    struct Finish {
        TScenarioListModel& model;
        int position;
        RowTexts before;
        ~Finish() { model.reportChange(position, before); }
    } finish{*this, position, rowTexts()};
    change();
}
