#include "CampaignEdit.h"

TCampaignEdit::TCampaignEdit(TCampaign& campaign, const QString& text)
    : QUndoCommand(text), m_campaign(campaign) {}

void TCampaignEdit::redo() {
    apply();
    m_campaign.UpdateOffsets();
}

void TCampaignEdit::undo() {
    revert();
    m_campaign.UpdateOffsets();
}
