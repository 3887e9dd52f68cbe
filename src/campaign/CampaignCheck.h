#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TCampaign;

// One thing a close look at a campaign found: anything a game or this program would read
// differently from what the file seems to say, bytes nothing points at, or scenarios no game
// plays together. It names the scenario it is about (0-based), when there is one.
struct TCampaignFinding {
    std::string Text;
    std::optional<std::int64_t> Scenario;
    bool operator==(const TCampaignFinding&) const = default;
};

struct TCampaignReport {
    std::int64_t Count = 0;
    std::vector<TCampaignFinding> Findings;
    std::vector<std::string> Texts() const;
};

using TFindingSink = std::function<void(const TCampaignFinding& finding)>;

// How many payload ranges the check sorts in memory at once (12 bytes each); a table with
// more payloads is read again for each further batch.
constexpr std::size_t DefaultRangesInMemory = std::size_t{1} << 20;

// Hands each finding to `found` as soon as it is made and returns the number of records in
// the file. Memory stays bounded however many records the table holds. Never throws for a
// file's content; only "Cannot open file <path>" when it cannot be read.
std::int64_t CheckCampaign(const std::filesystem::path& path, const TFindingSink& found,
                           std::size_t rangesInMemory = DefaultRangesInMemory);

// The same, with the findings gathered into a report.
TCampaignReport CheckCampaign(const std::filesystem::path& path);

// What the check of the file this campaign saves to would find, without writing it: the
// writer lays the payloads out back to back and fits every text to its field, so only the
// scenarios' versions are left to look at.
TCampaignReport CheckCampaign(const TCampaign& campaign);
