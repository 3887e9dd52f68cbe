#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What a close look at a campaign file found: anything a game or this program would read
// differently from what the file seems to say, or bytes nothing points at.
struct TCampaignReport {
    std::int64_t Count = 0;
    std::vector<std::string> Findings;
};

// Never throws for a file's content; only "Cannot open file <path>" when it cannot be read.
TCampaignReport CheckCampaign(const std::filesystem::path& path);
