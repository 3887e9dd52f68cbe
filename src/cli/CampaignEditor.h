#pragma once

#include "CampaignWriter.h"
#include "ScenarioPayload.h"
#include "TextCodec.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Edits a campaign file without holding its scenarios in memory: entries refer to byte
// ranges of the campaign file and of the scenario files added, and Save streams them into
// the new file in one pass.
class TCampaignEditor {
public:
    // Opens an existing campaign (its header and table only).
    TCampaignEditor(const std::filesystem::path& campaign, const TTextCodec& codec);
    // Starts an empty campaign to be written to path.
    static TCampaignEditor Empty(const std::filesystem::path& campaign, const TTextCodec& codec);

    std::size_t Count() const { return m_entries.size(); }

    // Positions are 0-based here; the command line turns its 1-based indexes into them.
    void Insert(std::size_t position, const std::filesystem::path& scenario);
    void Remove(std::size_t index);
    void Replace(std::size_t index, const std::filesystem::path& scenario);
    void Move(std::size_t from, std::size_t to);
    void SetVersion(std::size_t index, TScenarioVersion version);
    void SetTitle(std::string rawTitle) { m_title = std::move(rawTitle); }

    void Save(bool replaceExisting = true) const;

private:
    TCampaignEditor(std::filesystem::path campaign, const TTextCodec& codec, int);

    TWriterEntry entryForFile(const std::filesystem::path& scenario) const;

    std::filesystem::path m_path;
    const TTextCodec& m_codec;
    std::shared_ptr<const TInputFile> m_source;
    std::string m_title;
    std::vector<TWriterEntry> m_entries;
};
