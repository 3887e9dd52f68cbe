#include "Campaign.h"

#include "FileFormat.h"
#include "Utils.h"

#include <stdexcept>
#include <utility>

TCampaignEntry MakeEntry(std::string name, std::string fileName,
                         std::unique_ptr<TScenario> scenario) {
    TCampaignEntry entry;
    entry.Name = std::move(name);
    entry.FileName = std::move(fileName);
    entry.OffsetText = "?";
    entry.SizeText = FormatSize(scenario->Size);
    entry.Scenario = std::move(scenario);
    return entry;
}

void SwapEntryContent(TCampaignEntry& entry, TCampaignEntry& other) {
    std::swap(entry.Name, other.Name);
    std::swap(entry.FileName, other.FileName);
    std::swap(entry.SizeText, other.SizeText);
    std::swap(entry.Scenario->Size, other.Scenario->Size);
    std::swap(entry.Scenario->Stream, other.Scenario->Stream);
    entry.OffsetText = "?";
    other.OffsetText = "?";
}

void RequireEntryIndex(std::size_t index, std::size_t count) {
    if (index >= count)
        throw std::out_of_range("entry index");
}

void RequireInsertPosition(std::size_t position, std::size_t count) {
    if (position > count)
        throw std::out_of_range("entry index");
}

TCampaign::TCampaign() : m_options(std::make_unique<TCampaignOptions>()) {}

std::unique_ptr<TCampaignOptions>
TCampaign::ReplaceCampaignOptions(std::unique_ptr<TCampaignOptions> options) {
    std::swap(m_options, options);
    return options;
}

void TCampaign::AppendEntry(TCampaignEntry entry) {
    m_entries.push_back(std::move(entry));
}

void TCampaign::InsertEntry(std::size_t index, TCampaignEntry entry) {
    RequireInsertPosition(index, m_entries.size());
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry));
}

void TCampaign::RemoveEntry(std::size_t index) {
    TakeEntry(index);
}

TCampaignEntry TCampaign::TakeEntry(std::size_t index) {
    RequireEntryIndex(index, m_entries.size());
    TCampaignEntry taken = std::move(m_entries[index]);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    return taken;
}

void TCampaign::MoveEntry(std::size_t from, std::size_t to) {
    RequireEntryIndex(from, m_entries.size());
    RequireEntryIndex(to, m_entries.size());
    TCampaignEntry moved = std::move(m_entries[from]);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(from));
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
}

void TCampaign::NewCampaign() {
    m_options = std::make_unique<TCampaignOptions>();
    m_entries.clear();
}

void TCampaign::UpdateOffsets() {
    if (m_entries.empty())
        return;
    std::int64_t position =
        CampaignFormat::PayloadStart(static_cast<std::int64_t>(m_entries.size()));
    for (auto& entry : m_entries) {
        if (position <= CampaignFormat::MaxFileSize) {
            entry.Scenario->Offset = static_cast<std::int32_t>(position);
            entry.OffsetText = OffsetText(position);
        } else {
            entry.Scenario->Offset = -1;
            entry.OffsetText = "?";
        }
        position += entry.Scenario->Size;
    }
}

std::int64_t TCampaign::LayoutSize() const {
    std::int64_t size = CampaignFormat::PayloadStart(static_cast<std::int64_t>(m_entries.size()));
    for (const auto& entry : m_entries)
        size += entry.Scenario->Size;
    return size;
}
