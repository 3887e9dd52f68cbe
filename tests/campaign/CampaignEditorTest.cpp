// The editor keeps the edited list as runs of the old table's records; whatever edits are
// made, the file it saves must be the one the in-memory model saves after the same edits.
#include "CampaignEditor.h"

#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "ErrorText.h"
#include "TempFolder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

TCampaign loaded(const std::filesystem::path& path) {
    return std::move(std::get<TCampaign>(LoadCampaign(path)));
}

} // namespace

TEST(CampaignEditor, AnySequenceOfEditsSavesWhatTheModelSaves) {
    TempFolder folder;
    const TTextCodec codec;
    std::mt19937 random(7);
    std::vector<std::filesystem::path> scenarios;
    for (int i = 0; i < 6; ++i) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(i * 7), static_cast<std::uint8_t>('a' + i));
        std::copy_n("1.18", std::min<std::size_t>(4, bytes.size()), bytes.begin());
        scenarios.push_back(folder / ("S" + std::to_string(i) + ".scn"));
        WriteBytes(scenarios.back(), bytes);
    }
    TCampaign start;
    for (int i = 0; i < 30; ++i)
        AddScenarioFile(start, scenarios[static_cast<std::size_t>(i) % scenarios.size()]);
    SaveCampaign(start, folder / "Start.cpn");

    for (int round = 0; round < 40; ++round) {
        std::filesystem::copy_file(folder / "Start.cpn", folder / "Edited.cpn",
                                   std::filesystem::copy_options::overwrite_existing);
        TCampaign model = loaded(folder / "Start.cpn");
        TCampaignEditor editor = TCampaignEditor::Open(folder / "Edited.cpn", codec);
        for (int step = 0; step < 12; ++step) {
            const auto pick = [&](std::size_t n) {
                return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
            };
            const auto& scenario = scenarios[pick(scenarios.size())];
            const std::size_t count = model.Count();
            switch (pick(count == 0 ? 1 : 8)) {
            case 0: {
                const std::size_t at = pick(count + 1);
                editor.Insert(at, scenario);
                InsertScenarioFile(model, at, scenario);
                break;
            }
            case 1: {
                const std::size_t at = pick(count);
                editor.Remove(at);
                model.RemoveEntry(at);
                break;
            }
            case 2: {
                const std::size_t at = pick(count);
                editor.Replace(at, scenario);
                ReplaceScenarioFile(model, at, scenario);
                break;
            }
            case 3: {
                const std::size_t from = pick(count), to = pick(count);
                editor.Move(from, to);
                model.MoveEntry(from, to);
                break;
            }
            case 4: {
                const std::size_t at = pick(count);
                if (model.Entry(at).Scenario->Size < 4) {
                    EXPECT_THROW(editor.setVersion(at, TScenarioVersion::Game111), ECampaignError);
                    break;
                }
                editor.setVersion(at, TScenarioVersion::Game111);
                StampScenarioVersion(*model.Entry(at).Scenario, TScenarioVersion::Game111);
                break;
            }
            case 5: {
                std::set<std::size_t> positions;
                for (std::size_t n = pick(count) + 1; n > 0; --n)
                    positions.insert(pick(count));
                editor.RemoveAll(positions);
                for (auto at = positions.rbegin(); at != positions.rend(); ++at)
                    model.RemoveEntry(*at);
                break;
            }
            case 6: {
                const std::size_t at = pick(count);
                const std::string name = "N" + std::to_string(step);
                const bool withFileName = pick(2) == 0;
                editor.Rename(at, name, withFileName ? std::optional(name + ".scx") : std::nullopt);
                model.Entry(at).Name = name;
                if (withFileName)
                    model.Entry(at).FileName = name + ".scx";
                break;
            }
            default:
                bool allStampable = true;
                for (const auto& entry : model.Entries())
                    allStampable = allStampable && entry.Scenario->Size >= 4;
                if (!allStampable) {
                    EXPECT_THROW(editor.setVersionOfAll(TScenarioVersion::Trial110), ECampaignError);
                    break;
                }
                editor.setVersionOfAll(TScenarioVersion::Trial110);
                for (const auto& entry : model.Entries())
                    StampScenarioVersion(*entry.Scenario, TScenarioVersion::Trial110);
            }
            model.UpdateOffsets();
            ASSERT_EQ(editor.Count(), model.Count());
        }
        editor.Save();
        SaveCampaign(model, folder / "Model.cpn");
        ASSERT_EQ(ReadBytes(folder / "Edited.cpn"), ReadBytes(folder / "Model.cpn"))
            << "round " << round;
    }
}

TEST(CampaignEditor, HoldsTheCampaignsLockFromOpeningOn) {
    TempFolder folder;
    const auto campaign = folder / "Camp.cpn";
    WriteCampaign(campaign, "T", std::vector<TWriterEntry>{});
    const TTextCodec codec;
    const auto lockedByAnother = [](const std::filesystem::path& path) {
        return errorOf([&] { TCampaignLock other(path, std::chrono::milliseconds(0)); }) !=
               "no error";
    };
    {
        const TCampaignEditor editor = TCampaignEditor::Open(campaign, codec);
        EXPECT_TRUE(lockedByAnother(campaign));
    }
    EXPECT_FALSE(lockedByAnother(campaign));
    // A new campaign is locked only while it is written.
    const TCampaignEditor created = TCampaignEditor::Empty(folder / "New.cpn", codec);
    created.Save();
    EXPECT_FALSE(lockedByAnother(folder / "New.cpn"));
}

TEST(CampaignEditor, RefusesAVersionForAShortScenarioNamingItsPosition) {
    TempFolder folder;
    const auto shortScenario = folder / "Short.scn";
    WriteBytes(shortScenario, std::vector<std::uint8_t>{'1', '.'});
    const TTextCodec codec;
    TCampaignEditor editor = TCampaignEditor::Empty(folder / "Camp.cpn", codec);
    editor.Insert(0, shortScenario);
    editor.Insert(0, shortScenario);
    EXPECT_EQ(errorOf([&] { editor.setVersion(1, TScenarioVersion::Game111); }),
              "scenario 2 is shorter than four bytes and has no version text to set");
    TScenario inMemory;
    inMemory.Stream.Assign({'1', '.'});
    EXPECT_EQ(errorOf([&] { StampScenarioVersion(inMemory, TScenarioVersion::Game111); }),
              "The scenario is shorter than four bytes and has no version text to set");
}
