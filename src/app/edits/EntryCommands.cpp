#include "EntryCommands.h"

#include "ScenarioPayload.h"

TInsertEntriesCommand::TInsertEntriesCommand(TCampaign& campaign, std::size_t position,
                                             std::vector<TCampaignEntry> entries)
    : TCampaignEdit(campaign), m_position(position), m_count(entries.size()),
      m_entries(std::move(entries)) {
    RequireInsertPosition(position, campaign.Count());
}

std::unique_ptr<TInsertEntriesCommand>
TInsertEntriesCommand::Add(TCampaign& campaign, const std::vector<std::filesystem::path>& paths,
                           const TTextCodec& codec) {
    std::vector<TCampaignEntry> entries;
    entries.reserve(paths.size());
    for (const auto& path : paths)
        entries.push_back(ReadScenarioEntry(path, codec));
    return std::unique_ptr<TInsertEntriesCommand>(
        new TInsertEntriesCommand(campaign, campaign.Count(), std::move(entries)));
}

std::unique_ptr<TInsertEntriesCommand>
TInsertEntriesCommand::Insert(TCampaign& campaign, std::size_t position,
                              const std::filesystem::path& path, const TTextCodec& codec) {
    RequireInsertPosition(position, campaign.Count());
    std::vector<TCampaignEntry> entries;
    entries.push_back(ReadScenarioEntry(path, codec));
    return std::unique_ptr<TInsertEntriesCommand>(
        new TInsertEntriesCommand(campaign, position, std::move(entries)));
}

void TInsertEntriesCommand::apply() {
    for (std::size_t i = 0; i < m_count; ++i)
        campaign().InsertEntry(m_position + i, std::move(m_entries[i]));
    m_entries = std::vector<TCampaignEntry>();
}

void TInsertEntriesCommand::revert() {
    m_entries.reserve(m_count);
    for (std::size_t i = 0; i < m_count; ++i)
        m_entries.push_back(campaign().TakeEntry(m_position));
}

TRemoveEntryCommand::TRemoveEntryCommand(TCampaign& campaign, std::size_t index)
    : TCampaignEdit(campaign), m_index(index) {
    RequireEntryIndex(index, campaign.Count());
}

void TRemoveEntryCommand::apply() {
    m_removed = campaign().TakeEntry(m_index);
}

void TRemoveEntryCommand::revert() {
    campaign().InsertEntry(m_index, std::move(*m_removed));
    m_removed.reset();
}

TMoveEntryCommand::TMoveEntryCommand(TCampaign& campaign, std::size_t from, std::size_t to)
    : TCampaignEdit(campaign), m_from(from),
      m_to(to) {
    RequireEntryIndex(from, campaign.Count());
    RequireEntryIndex(to, campaign.Count());
}

void TMoveEntryCommand::apply() {
    campaign().MoveEntry(m_from, m_to);
}

void TMoveEntryCommand::revert() {
    campaign().MoveEntry(m_to, m_from);
}
