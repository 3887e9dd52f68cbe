#pragma once

#include "CampaignCheck.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>

class QListWidget;
class TCampaign;
class TTextCodec;

// The status line's note after a campaign was checked; empty when nothing was found.
QString CheckNote(std::size_t findings);

// One line per finding, each about a scenario beginning with the row's name, so that the
// line names the row the list shows.
QStringList CheckLines(const TCampaignReport& report, const TCampaign& campaign,
                       const TTextCodec& codec);

// Scenario, Check Campaign: the findings of the campaign, one per line. Activating a line
// about a scenario (double-click or Enter) closes the dialog and tells which row to select.
class TCheckCampaignForm : public QDialog {
    Q_OBJECT
public:
    TCheckCampaignForm(const TCampaignReport& report, const TCampaign& campaign,
                       const TTextCodec& codec, QWidget* parent = nullptr);

    QListWidget* Findings;
    // The row the chosen line is about, once the dialog ended that way.
    std::optional<int> ChosenRow() const { return m_chosenRow; }

private:
    std::optional<int> m_chosenRow;
};
