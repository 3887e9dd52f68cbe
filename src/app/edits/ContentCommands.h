#pragma once

#include "CampaignEdit.h"
#include "ScenarioPayload.h"
#include "TextCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>

// Edits of one entry's payload. Each exchanges what it holds with the model's, so that
// after doing it holds what was there before and after undoing what the edit brings.

// Replace: the file is read when the command is made. Done, it holds the old payload and
// texts; the entry keeps its scenario object, as ReplaceScenarioFile keeps it.
class TReplaceEntryCommand : public TCampaignEdit {
public:
    TReplaceEntryCommand(TCampaign& campaign, std::size_t index, const std::filesystem::path& path,
                         const TTextCodec& codec);

private:
    void apply() override { exchange(); }
    void revert() override { exchange(); }
    void exchange();

    std::size_t m_index;
    TCampaignEntry m_other;
};

// Set to Version and the version button: four bytes of history. A payload without a version
// text is refused when the command is made.
class TSetVersionCommand : public TCampaignEdit {
public:
    TSetVersionCommand(TCampaign& campaign, std::size_t index, TScenarioVersion version);

private:
    void apply() override { exchange(); }
    void revert() override { exchange(); }
    void exchange();

    std::size_t m_index;
    std::array<std::uint8_t, 4> m_other;
};
