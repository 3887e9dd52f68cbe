#include "TextCommands.h"

#include <utility>

TSetOptionsCommand::TSetOptionsCommand(TCampaign& campaign,
                                       std::unique_ptr<TCampaignOptions> options)
    : TCampaignEdit(campaign), m_other(std::move(options)) {}

void TSetOptionsCommand::exchange() {
    m_other = campaign().ReplaceCampaignOptions(std::move(m_other));
}

TRenameEntryCommand::TRenameEntryCommand(TCampaign& campaign, std::size_t index, std::string name,
                                         std::optional<std::string> fileName)
    : TCampaignEdit(campaign), m_index(index), m_name(std::move(name)),
      m_fileName(std::move(fileName)) {
    RequireEntryIndex(index, campaign.Count());
}

void TRenameEntryCommand::exchange() {
    TCampaignEntry& entry = campaign().Entry(m_index);
    std::swap(entry.Name, m_name);
    if (m_fileName)
        std::swap(entry.FileName, *m_fileName);
}
