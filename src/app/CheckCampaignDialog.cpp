#include "CheckCampaignDialog.h"

#include "Campaign.h"
#include "CampaignMessages.h"
#include "TextCodec.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Where a line keeps the 0-based row of the scenario it is about.
constexpr int RowRole = Qt::UserRole;

} // namespace

QString CheckNote(std::size_t findings) {
    if (findings == 0)
        return {};
    return TCheckCampaignForm::tr("%1 problems found (Scenario \u25B8 Check Campaign...)")
        .arg(findings);
}

QStringList CheckLines(const TCampaignReport& report, const TCampaign& campaign,
                       const TTextCodec& codec) {
    QStringList lines;
    for (const TCampaignFinding& finding : report.Findings) {
        QString line = TranslatedCampaignMessage(finding.Text);
        if (finding.Scenario && static_cast<std::size_t>(*finding.Scenario) < campaign.Count())
            //: A finding of the campaign check: %1 is the scenario's name, %2 the finding.
            line = TCheckCampaignForm::tr("%1: %2").arg(
                QString::fromStdString(codec.ToUnicode(
                    campaign.Entry(static_cast<std::size_t>(*finding.Scenario)).Name)),
                line);
        lines << line;
    }
    if (lines.isEmpty())
        lines << TCheckCampaignForm::tr("No problems found (%1 scenarios).").arg(campaign.Count());
    return lines;
}

TCheckCampaignForm::TCheckCampaignForm(const TCampaignReport& report, const TCampaign& campaign,
                                       const TTextCodec& codec, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Check Campaign"));
    resize(660, 220);
    auto* column = new QVBoxLayout(this);
    Findings = new QListWidget(this);
    Findings->setAccessibleName(tr("Findings"));
    const QStringList lines = CheckLines(report, campaign, codec);
    for (int i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(lines[i], Findings);
        if (i < static_cast<int>(report.Findings.size()) && report.Findings[i].Scenario)
            item->setData(RowRole, static_cast<int>(*report.Findings[i].Scenario));
    }
    Findings->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter belongs to the list, which goes to the line's row; Esc closes the dialog.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    column->addWidget(Findings, 1);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Findings, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QVariant row = item->data(RowRole);
        if (!row.isValid())
            return;
        m_chosenRow = row.toInt();
        accept();
    });
}
