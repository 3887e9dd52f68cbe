#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// What a close look at a campaign file found: anything a game or this program would read
// differently from what the file seems to say, or bytes nothing points at.
struct TCampaignReport {
    std::int64_t Count = 0;
    std::vector<std::string> Findings;
};

using TFindingSink = std::function<void(const std::string& finding)>;

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
