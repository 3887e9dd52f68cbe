#pragma once

#include "Campaign.h"
#include "CampaignError.h"
#include "FileIO.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

// A file that is not a campaign of the supported version (or is shorter than the header).
class ECampaignRejected : public ECampaignError {
public:
    explicit ECampaignRejected(const std::string& fileName);
};

// One record of the entry table, texts as raw bytes.
struct TTableEntry {
    std::string Name;
    std::string FileName;
    std::int32_t Offset = 0;
    std::int32_t Size = 0;
};

struct TCampaignTable {
    std::string Title;
    std::vector<TTableEntry> Entries;
};

// The header: the title, and the number of records, already checked to fit in the file.
struct TCampaignHead {
    std::string Title;
    std::int64_t Count = 0;
};

// Throws ECampaignRejected for a wrong version or a file shorter than the header, "Stream
// read error" when the announced table does not fit in the file.
TCampaignHead ReadCampaignHead(const TInputFile& file);

// The header, after every record of the table has been checked as ForEachTableEntry checks
// it, so that a damaged table is refused before anything is done with the campaign.
TCampaignHead ReadCheckedCampaignHead(const TInputFile& file);

// Visits the count records of the table in order, a chunk at a time, each checked to point at
// a payload inside the file ("Stream read error" otherwise). Memory stays small whatever the
// table's length.
void ForEachTableEntry(const TInputFile& file, std::int64_t count,
                       const std::function<void(TTableEntry&&)>& visit);
// The same for the count records from index first on.
void ForEachTableEntry(const TInputFile& file, std::int64_t first, std::int64_t count,
                       const std::function<void(TTableEntry&&)>& visit);

// The record at index (counted from 0; the caller keeps it below the header's count), checked
// the same way.
TTableEntry ReadTableEntry(const TInputFile& file, std::int64_t index);

// Reads the header and the entry table, and checks that every payload lies inside the file.
// Throws ECampaignRejected for a wrong version, "Stream read error" for a table cut short or
// a payload outside the file. Nothing is allocated beyond what the file really holds.
TCampaignTable ReadCampaignTable(const TInputFile& file);

struct TCampaignRejection {
    std::string Message;
};

using TLoadResult = std::variant<TCampaign, TCampaignRejection>;

// Reads the whole campaign file into a new model, or tells why the file was rejected.
// Other failures throw ECampaignError; in every case nothing outside the result changes.
// Payloads that share bytes of the file share memory until one of them is written, so the
// model never costs more than the file's length and its table, whatever the records say.
TLoadResult LoadCampaign(const std::filesystem::path& path);
