#include "FolderExport.h"

#include "CampaignError.h"
#include "ExtractNames.h"
#include "FileIO.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

// Small enough that Cancel answers within a moment on a slow disk.
constexpr std::size_t ChunkBytes = 4 << 20;

bool somethingAt(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

bool isWanted(const TExportTarget& target, TExistingFiles existing) {
    return existing == TExistingFiles::Replace || !target.Exists;
}

} // namespace

std::vector<TExportTarget> PlanFolderExport(const TCampaign& campaign,
                                            const std::filesystem::path& folder,
                                            const TTextCodec& codec) {
    TExtractNames names(folder, campaign.Count(), codec);
    std::vector<TExportTarget> targets;
    targets.reserve(campaign.Count());
    for (std::size_t i = 0; i < campaign.Count(); ++i) {
        std::filesystem::path path = names.Next(campaign.Entry(i).FileName, i);
        const bool there = somethingAt(path);
        targets.push_back({i, std::move(path), there});
    }
    return targets;
}

std::size_t CountExisting(const std::vector<TExportTarget>& targets) {
    return static_cast<std::size_t>(std::count_if(
        targets.begin(), targets.end(), [](const TExportTarget& target) { return target.Exists; }));
}

TExportResult ExportToFolder(const TCampaign& campaign, const std::vector<TExportTarget>& targets,
                             TExistingFiles existing, const TExportProgress& progress) {
    std::int64_t total = 0;
    for (const TExportTarget& target : targets)
        if (isWanted(target, existing))
            total +=
                static_cast<std::int64_t>(campaign.Entry(target.Index).Scenario->Stream.Size());

    TExportResult result;
    std::int64_t written = 0;
    for (const TExportTarget& target : targets) {
        if (!isWanted(target, existing))
            continue;
        const std::span<const std::uint8_t> bytes =
            campaign.Entry(target.Index).Scenario->Stream.Bytes();
        try {
            TAtomicFile file(target.Path, TAtomicFile::TLinks::Replace);
            for (std::size_t done = 0; done < bytes.size();) {
                const std::size_t length = std::min(ChunkBytes, bytes.size() - done);
                file.Write(bytes.subspan(done, length));
                done += length;
                written += static_cast<std::int64_t>(length);
                if (!progress(written, total)) {
                    result.Stopped = true;
                    return result;
                }
            }
            file.Commit(existing == TExistingFiles::Replace);
        } catch (const ECampaignError& error) {
            // The program's texts leave the file out; here it has to be named.
            throw ECampaignError(error.Detail());
        }
        ++result.Written;
        if (!progress(written, total)) {
            result.Stopped = true;
            return result;
        }
    }
    return result;
}
