#pragma once

#include "Structs.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One row of the scenario list: its name and file name (raw bytes in the games' code page),
// the Offset and Size column texts, and the scenario it owns.
struct TCampaignEntry {
    std::string Name;
    std::string FileName;
    std::string OffsetText;
    std::string SizeText;
    std::unique_ptr<TScenario> Scenario;
};

// Exchanges what two entries list: names, the scenario's bytes and size and the size text. Each
// keeps its own scenario object, so that a replaced entry is still the same row; the offsets
// are stale until UpdateOffsets.
void SwapEntryContent(TCampaignEntry& entry, TCampaignEntry& other);

// An entry for a scenario that has no place in the campaign file yet (offset text "?").
TCampaignEntry MakeEntry(std::string name, std::string fileName,
                         std::unique_ptr<TScenario> scenario);

// The positions an edit of a list of count entries may name, for the model and the streaming
// editor alike: an index names an existing entry; an insert position may also be count, after
// the last one. A move takes the entry out and puts it back so that it ends at index `to`.
// Each throws std::out_of_range for any other position.
void RequireEntryIndex(std::size_t index, std::size_t count);
void RequireInsertPosition(std::size_t position, std::size_t count);

// The open campaign: its options and its ordered entries.
class TCampaign {
public:
    TCampaign();

    const TCampaignOptions& CampaignOptions() const { return *m_options; }
    // The options are never edited in place: a new instance replaces the old one, which is
    // handed back.
    std::unique_ptr<TCampaignOptions>
    ReplaceCampaignOptions(std::unique_ptr<TCampaignOptions> options);

    std::size_t Count() const { return m_entries.size(); }
    const std::vector<TCampaignEntry>& Entries() const { return m_entries; }
    const TCampaignEntry& Entry(std::size_t index) const { return m_entries.at(index); }
    TCampaignEntry& Entry(std::size_t index) { return m_entries.at(index); }

    // These change the list only; callers run UpdateOffsets when the change is complete.
    void AppendEntry(TCampaignEntry entry);
    void InsertEntry(std::size_t index, TCampaignEntry entry);
    void RemoveEntry(std::size_t index);
    // Removes the entry and hands it over whole, scenario and all, without copying it.
    TCampaignEntry TakeEntry(std::size_t index);
    void MoveEntry(std::size_t from, std::size_t to);

    // Empties the campaign: new options, no entries.
    void NewCampaign();

    // Places the payloads back to back after the table and rewrites every Offset and its
    // column text. An entry that would start past the largest offset a campaign file can
    // hold gets Offset -1 and the text "?"; such a campaign cannot be saved.
    void UpdateOffsets();

    // The length of the campaign file this model saves to, in 64 bits.
    std::int64_t LayoutSize() const;

private:
    std::unique_ptr<TCampaignOptions> m_options;
    std::vector<TCampaignEntry> m_entries;
};
