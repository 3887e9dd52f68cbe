// Model throughput: loading and saving campaigns of many small or a few large scenarios, and
// re-deriving the offsets of a long list.
#include "CampaignReader.h"
#include "CampaignWriter.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

std::filesystem::path benchFolder() {
    const std::filesystem::path shm = "/dev/shm";
    const auto base =
        std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    auto folder = base / ("brindlewick-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

TCampaign makeCampaign(int count, std::size_t size) {
    TCampaign campaign;
    for (int i = 0; i < count; ++i) {
        auto scenario = std::make_unique<TScenario>();
        std::vector<std::uint8_t> bytes(size, static_cast<std::uint8_t>(i));
        scenario->Size = static_cast<std::int32_t>(size);
        scenario->Stream.Assign(std::move(bytes));
        campaign.AppendEntry(MakeEntry("Scenario " + std::to_string(i),
                                       "S" + std::to_string(i) + ".scn", std::move(scenario)));
    }
    campaign.UpdateOffsets();
    return campaign;
}

void BM_SaveCampaign(benchmark::State& state) {
    const auto folder = benchFolder();
    TCampaign campaign =
        makeCampaign(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    for (auto _ : state)
        SaveCampaign(campaign, folder / "bench.cpn");
    state.SetBytesProcessed(state.iterations() * campaign.LayoutSize());
    std::filesystem::remove_all(folder);
}

void BM_LoadCampaign(benchmark::State& state) {
    const auto folder = benchFolder();
    TCampaign campaign =
        makeCampaign(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    SaveCampaign(campaign, folder / "bench.cpn");
    for (auto _ : state) {
        TLoadResult result = LoadCampaign(folder / "bench.cpn");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(state.iterations() * campaign.LayoutSize());
    std::filesystem::remove_all(folder);
}

void BM_UpdateOffsets(benchmark::State& state) {
    TCampaign campaign = makeCampaign(static_cast<int>(state.range(0)), 0);
    for (auto _ : state)
        campaign.UpdateOffsets();
}

} // namespace

BENCHMARK(BM_SaveCampaign)->Args({10000, 4096})->Args({4, 64 << 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCampaign)->Args({10000, 4096})->Args({4, 64 << 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateOffsets)->Arg(10000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
