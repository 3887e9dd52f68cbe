#pragma once

#include "Campaign.h"
#include "TextCodec.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// Shows the campaign's entries as the scenario list's four columns. The commands change the
// campaign first and then the model finds out what happened, once per command, so that adding
// a thousand files updates the view once.
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

    // After any change of the campaign's list (an edit, its undo or redo, a save): tells the
    // views what happened since the last report, as one insertion, removal or move of rows
    // plus the rows whose texts changed, so that selection and focus follow their rows.
    // Returns the row a person looks at to see the change: the first row added or moved, or
    // the first row whose texts changed; none for a removal or no change.
    std::optional<int> Sync();

    // Replaces everything the view shows (a new or loaded campaign).
    template <typename Change> void Reset(Change&& change) {
        beginResetModel();
        struct Finish {
            TScenarioListModel& model;
            ~Finish() {
                model.m_shown = model.shownRows();
                model.m_rows = static_cast<int>(model.m_shown.size());
                model.endResetModel();
            }
        } finish{*this};
        change();
    }

private:
    // What the views were last told of a row: the entry it shows (the scenario object, which
    // stays with its entry through every edit) and its stored texts.
    struct ShownRow {
        const void* Entry;
        std::string Name;
        std::string FileName;
        std::string OffsetText;
        std::string SizeText;
        bool operator==(const ShownRow&) const = default;
    };
    std::vector<ShownRow> shownRows() const;
    // Reports the rows in [first, oldEnd) of what was shown becoming [first, newEnd) of now:
    // a move when one row changed places, else a removal and an insertion. Returns the row
    // moved or the first one added.
    std::optional<int> reportMiddle(int first, int oldEnd, int newEnd, const std::vector<ShownRow>& now);

    TCampaign& m_campaign;
    const TTextCodec& m_codec;
    std::vector<ShownRow> m_shown;
    int m_rows = 0;
};
