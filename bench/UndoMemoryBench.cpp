// What the undo history costs in memory: 1,000 edits of a 200 MB campaign, once kept on a
// QUndoStack and once dropped as soon as they are done, each run in its own process so that
// their peaks can be compared (run_undo_memory_bench.sh does both and checks the bound).
//   undo_memory_bench make <campaign> <scenario>   writes the campaign and a replacement file
//   undo_memory_bench history|plain <campaign> <scenario>
#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "ContentCommands.h"
#include "EntryCommands.h"
#include "TextCommands.h"

#include <QUndoStack>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sys/resource.h>

namespace {

constexpr std::size_t ScenarioCount = 1000;
constexpr std::size_t ScenarioBytes = 200 * 1024;
constexpr int Steps = 1000;

std::vector<std::uint8_t> scenarioBytes(std::size_t size, std::uint8_t fill) {
    std::vector<std::uint8_t> bytes(size, fill);
    std::memcpy(bytes.data(), "1.11", 4);
    return bytes;
}

void make(const std::filesystem::path& campaignPath, const std::filesystem::path& scenarioPath) {
    TCampaign campaign;
    for (std::size_t i = 0; i < ScenarioCount; ++i) {
        auto scenario = std::make_unique<TScenario>();
        scenario->Stream.Assign(scenarioBytes(ScenarioBytes, static_cast<std::uint8_t>(i)));
        scenario->Size = static_cast<std::int32_t>(ScenarioBytes);
        campaign.AppendEntry(MakeEntry("Scenario " + std::to_string(i),
                                       "Scenario" + std::to_string(i) + ".scn",
                                       std::move(scenario)));
    }
    SaveCampaign(campaign, campaignPath);
    const auto replacement = scenarioBytes(ScenarioBytes, 0xEE);
    std::ofstream(scenarioPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(replacement.data()),
               static_cast<std::streamsize>(replacement.size()));
}

long peakKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The same steps in both modes: the model goes through the same states either way.
int run(bool keepHistory, const std::filesystem::path& campaignPath,
        const std::filesystem::path& scenarioPath) {
    TCampaign campaign = std::get<TCampaign>(LoadCampaign(campaignPath));
    const TTextCodec codec("windows-1252");
    const long loadedKib = peakKib();
    QUndoStack stack;
    std::mt19937 random(21);
    long long takenAway = 0; // bytes of payload the steps removed or replaced
    for (int step = 0; step < Steps; ++step) {
        const std::size_t index = random() % campaign.Count();
        std::unique_ptr<QUndoCommand> command;
        switch (random() % 10) {
        case 0:
        case 1:
        case 2:
            takenAway += campaign.Entry(index).Scenario->Size;
            command = std::make_unique<TRemoveEntryCommand>(campaign, index);
            break;
        case 3:
        case 4:
            takenAway += campaign.Entry(index).Scenario->Size;
            command = std::make_unique<TReplaceEntryCommand>(campaign, index, scenarioPath, codec);
            break;
        case 5:
        case 6:
            command = std::make_unique<TSetVersionCommand>(campaign, index,
                                                           TScenarioVersion::Expansion118);
            break;
        case 7:
            command =
                std::make_unique<TMoveEntryCommand>(campaign, index, random() % campaign.Count());
            break;
        case 8:
            command = std::make_unique<TRenameEntryCommand>(campaign, index,
                                                            "Renamed " + std::to_string(step));
            break;
        default:
            command = TInsertEntriesCommand::Add(campaign, {scenarioPath}, codec);
            break;
        }
        if (keepHistory) {
            stack.push(command.release());
        } else {
            command->redo();
        }
    }
    std::printf("mode %s steps %d entries %zu loaded_kib %ld peak_kib %ld taken_away_kib %lld "
                "history_steps %d\n",
                keepHistory ? "history" : "plain", Steps, campaign.Count(), loadedKib, peakKib(),
                takenAway / 1024, stack.count());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: undo_memory_bench make|history|plain <campaign> <scenario>\n");
        return 2;
    }
    try {
        const std::string mode = argv[1];
        if (mode == "make") {
            make(argv[2], argv[3]);
            return 0;
        }
        return run(mode == "history", argv[2], argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
