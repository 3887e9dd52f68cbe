// Feeds arbitrary bytes to every reader of campaign files: the model loader, the table
// reader the command line uses, and the checker. Any of them may reject the bytes, but none
// may crash, hang or allocate beyond what the file holds.
#include "CampaignCheck.h"
#include "CampaignError.h"
#include "CampaignReader.h"
#include "FileIO.h"

#include "MemoryFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryFile file(data, size);
    try {
        const TLoadResult result = LoadCampaign(file.Path());
        if (const auto* campaign = std::get_if<TCampaign>(&result))
            for (const auto& entry : campaign->Entries())
                if (entry.Scenario->Stream.Size() != static_cast<std::size_t>(entry.Scenario->Size))
                    __builtin_trap();
    } catch (const ECampaignError&) {
    }
    try {
        ReadCampaignTable(TInputFile(file.Path()));
    } catch (const ECampaignError&) {
    }
    CheckCampaign(file.Path());
    return 0;
}
