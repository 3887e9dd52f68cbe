#include "ContentCommands.h"

#include <algorithm>

TReplaceEntryCommand::TReplaceEntryCommand(TCampaign& campaign, std::size_t index,
                                           const std::filesystem::path& path,
                                           const TTextCodec& codec)
    : TCampaignEdit(campaign), m_index(index) {
    RequireEntryIndex(index, campaign.Count());
    m_other = ReadScenarioEntry(path, codec);
}

void TReplaceEntryCommand::exchange() {
    SwapEntryContent(campaign().Entry(m_index), m_other);
}

TSetVersionCommand::TSetVersionCommand(TCampaign& campaign, std::size_t index,
                                       TScenarioVersion version)
    : TCampaignEdit(campaign), m_index(index) {
    RequireEntryIndex(index, campaign.Count());
    RequireVersionText(campaign.Entry(index).Scenario->Size, index);
    const auto text = VersionBytes(version);
    std::copy(text.begin(), text.end(), m_other.begin());
}

void TSetVersionCommand::exchange() {
    TScenario& scenario = *campaign().Entry(m_index).Scenario;
    const std::array<std::uint8_t, 4> there = VersionTextOf(scenario);
    WriteVersionText(scenario, m_other);
    m_other = there;
}
