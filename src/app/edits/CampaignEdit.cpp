#include "CampaignEdit.h"

TCampaignEdit::TCampaignEdit(TCampaign& campaign) : m_campaign(campaign) {}

void TCampaignEdit::redo() {
    apply();
    m_campaign.UpdateOffsets();
}

void TCampaignEdit::undo() {
    revert();
    m_campaign.UpdateOffsets();
}
