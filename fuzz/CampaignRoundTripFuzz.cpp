// Load, save and load again: whatever the reader accepts, the writer writes so that it reads
// back as the same model (title, names, file names, payload bytes), and saving that model
// again gives the same bytes.
#include "CampaignError.h"
#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "MemoryFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = "/dev/shm/campaign-round-trip-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

std::vector<char> bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void expectSameModel(const TCampaign& first, const TCampaign& second, const std::string& title) {
    if (second.CampaignOptions().Title != title || first.Count() != second.Count())
        __builtin_trap();
    for (std::size_t i = 0; i < first.Count(); ++i) {
        const TCampaignEntry& a = first.Entry(i);
        const TCampaignEntry& b = second.Entry(i);
        const auto x = a.Scenario->Stream.Bytes();
        const auto y = b.Scenario->Stream.Bytes();
        if (a.Name != b.Name || a.FileName != b.FileName || a.Scenario->Size != b.Scenario->Size ||
            !std::equal(x.begin(), x.end(), y.begin(), y.end()))
            __builtin_trap();
    }
}

TCampaign load(const std::filesystem::path& path) {
    TLoadResult result = LoadCampaign(path);
    if (!std::holds_alternative<TCampaign>(result))
        __builtin_trap(); // a file the writer wrote is always a campaign
    return std::move(std::get<TCampaign>(result));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryFile file(data, size);
    TLoadResult first;
    try {
        first = LoadCampaign(file.Path());
    } catch (const ECampaignError&) {
        return 0;
    }
    auto* campaign = std::get_if<TCampaign>(&first);
    if (!campaign)
        return 0;

    const TTextCodec codec;
    const auto saved = scratchFolder() / "Saved.cpn";
    const auto again = scratchFolder() / "Again.cpn";
    const std::string title = TitleForSave(campaign->CampaignOptions().Title, saved, codec);
    SaveCampaign(*campaign, saved, codec);
    TCampaign second = load(saved);
    expectSameModel(*campaign, second, title);

    SaveCampaign(second, again, codec);
    if (bytesOf(saved) != bytesOf(again))
        __builtin_trap();
    return 0;
}
