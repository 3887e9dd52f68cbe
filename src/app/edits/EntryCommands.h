#pragma once

#include "CampaignEdit.h"
#include "TextCodec.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

// Edits that put entries into the list or take them out. The entries themselves move between
// the model and the command; nothing is copied.

// Add (every file of it one step) and Insert After: the files are read when the command is
// made; a file that cannot be read throws and nothing is made.
class TInsertEntriesCommand : public TCampaignEdit {
public:
    // Add: the files become the last entries, in order.
    static std::unique_ptr<TInsertEntriesCommand>
    Add(TCampaign& campaign, const std::vector<std::filesystem::path>& paths,
        const TTextCodec& codec);
    // Insert After: the file takes position, as InsertScenarioFile places it.
    static std::unique_ptr<TInsertEntriesCommand> Insert(TCampaign& campaign, std::size_t position,
                                                         const std::filesystem::path& path,
                                                         const TTextCodec& codec);

private:
    TInsertEntriesCommand(TCampaign& campaign, std::size_t position,
                          std::vector<TCampaignEntry> entries);
    void apply() override;
    void revert() override;

    std::size_t m_position;
    std::size_t m_count;
    // The entries while they are not in the model.
    std::vector<TCampaignEntry> m_entries;
};

class TRemoveEntryCommand : public TCampaignEdit {
public:
    TRemoveEntryCommand(TCampaign& campaign, std::size_t index);

private:
    void apply() override;
    void revert() override;

    std::size_t m_index;
    std::optional<TCampaignEntry> m_removed;
};

// Move Up, Move Down and a dragged row: the entry ends at index `to`.
class TMoveEntryCommand : public TCampaignEdit {
public:
    TMoveEntryCommand(TCampaign& campaign, std::size_t from, std::size_t to);

private:
    void apply() override;
    void revert() override;

    std::size_t m_from;
    std::size_t m_to;
};
