#pragma once

#include "Campaign.h"
#include "TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// Saving every scenario of the open campaign into one folder, named as the command line's
// extract names them. Nothing in the campaign changes.

struct TExportTarget {
    std::size_t Index = 0; // the entry
    std::filesystem::path Path;
    bool Exists = false; // something of that name is in the folder already
};

// Where each entry goes, in the campaign's order, and what is there already.
std::vector<TExportTarget> PlanFolderExport(const TCampaign& campaign,
                                            const std::filesystem::path& folder,
                                            const TTextCodec& codec);

std::size_t CountExisting(const std::vector<TExportTarget>& targets);

enum class TExistingFiles { Replace, Skip };

// Told the bytes written so far of `total`; false stops the export.
using TExportProgress = std::function<bool(std::int64_t written, std::int64_t total)>;

struct TExportResult {
    std::size_t Written = 0;
    bool Stopped = false;
};

// Writes the targets one after another, each file whole or not at all: a stop drops the file
// being written, so that only complete files are left. A file that is found in the way after
// all is never replaced unless the user said Replace. An error ends the export and names the
// file ("Cannot create file <path>: <reason>").
TExportResult ExportToFolder(const TCampaign& campaign, const std::vector<TExportTarget>& targets,
                             TExistingFiles existing, const TExportProgress& progress);
