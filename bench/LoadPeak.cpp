// Loads a campaign into the in-memory model and prints the payload total and the process's
// peak resident memory, so that the model's overhead above its payloads can be judged.
#include "CampaignReader.h"

#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: load_peak <campaign>\n");
        return 2;
    }
    try {
        const TLoadResult result = LoadCampaign(argv[1]);
        const auto* campaign = std::get_if<TCampaign>(&result);
        if (!campaign) {
            std::fprintf(stderr, "%s\n", std::get<TCampaignRejection>(result).Message.c_str());
            return 1;
        }
        long long payload = 0;
        for (const auto& entry : campaign->Entries())
            payload += entry.Scenario->Size;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("entries %zu payload_kib %lld peak_kib %ld\n", campaign->Count(),
                    payload / 1024, usage.ru_maxrss);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
