#pragma once

#include "CampaignEdit.h"
#include "Structs.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

// Edits of the campaign's stored texts; no payload is touched. Texts are raw bytes in the
// campaign's code page, already fitted to their fields by the caller (the writer cuts
// anything longer). Each exchanges what it holds with the model's.

// Options: the options accepted in the dialog replace the campaign's.
class TSetOptionsCommand : public TCampaignEdit {
public:
    TSetOptionsCommand(TCampaign& campaign, std::unique_ptr<TCampaignOptions> options);

private:
    void apply() override { exchange(); }
    void revert() override { exchange(); }
    void exchange();

    std::unique_ptr<TCampaignOptions> m_other;
};

// Rename: the entry's name and, when given, its file name.
class TRenameEntryCommand : public TCampaignEdit {
public:
    TRenameEntryCommand(TCampaign& campaign, std::size_t index, std::string name,
                        std::optional<std::string> fileName = std::nullopt);

private:
    void apply() override { exchange(); }
    void revert() override { exchange(); }
    void exchange();

    std::size_t m_index;
    std::string m_name;
    std::optional<std::string> m_fileName;
};
