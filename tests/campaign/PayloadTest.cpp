#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "ScenarioPayload.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> scenarioBytes(std::size_t size, std::string_view version) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
    std::copy_n(version.begin(), std::min(version.size(), size), bytes.begin());
    return bytes;
}

std::vector<std::uint8_t> bytesOf(const TScenario& scenario) {
    const auto span = scenario.Stream.Bytes();
    return {span.begin(), span.end()};
}

} // namespace

class ScenarioPayload : public ::testing::Test {
protected:
    TempFolder folder;
    TCampaign campaign;
};

TEST_F(ScenarioPayload, AddingAFileTakesItWholeWithNameAndSizeTexts) {
    WriteBytes(folder / "Demo.scn", scenarioBytes(70000, "1.11"));
    AddScenarioFile(campaign, folder / "Demo.scn");
    ASSERT_EQ(campaign.Count(), 1u);
    const auto& entry = campaign.Entry(0);
    EXPECT_EQ(entry.Name, "Demo");
    EXPECT_EQ(entry.FileName, "Demo.scn");
    EXPECT_EQ(entry.SizeText, "68 KB");
    EXPECT_EQ(entry.OffsetText, "0310");
    EXPECT_EQ(entry.Scenario->Size, 70000);
    EXPECT_EQ(bytesOf(*entry.Scenario), scenarioBytes(70000, "1.11"));
    EXPECT_EQ(FileSizeOf(folder / "Demo.scn"), 70000);
}

TEST_F(ScenarioPayload, ShortFileNamesGiveAnEmptyName) {
    WriteBytes(folder / ".scn", scenarioBytes(5, "1.18"));
    AddScenarioFile(campaign, folder / ".scn");
    EXPECT_EQ(campaign.Entry(0).Name, "");
    EXPECT_EQ(campaign.Entry(0).FileName, ".scn");
}

TEST_F(ScenarioPayload, FileNamesAreStoredInTheCampaignCodePage) {
    WriteBytes(folder / "Café.scn", scenarioBytes(5, "1.18"));
    AddScenarioFile(campaign, folder / "Café.scn");
    EXPECT_EQ(campaign.Entry(0).FileName, "Caf\xE9.scn");
    EXPECT_EQ(campaign.Entry(0).Name, "Caf\xE9");
}

TEST_F(ScenarioPayload, TheNameIsCutBetweenCharactersOfAMultiByteCodePage) {
    const TTextCodec gbk("GBK");
    EXPECT_EQ(ScenarioNamesOf(folder / "中x.s", gbk).Name, "") << "not the first byte of 中";
    EXPECT_EQ(ScenarioNamesOf(folder / "中文x.s", gbk).Name, "\xD6\xD0");
    EXPECT_EQ(ScenarioNamesOf(folder / "中文.scn", gbk).Name, "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(TitleForSave("", folder / "中x.s", gbk), "") << "nor in the title made from it";
}

TEST_F(ScenarioPayload, AFileThatCannotBeOpenedChangesNothing) {
    WriteBytes(folder / "A.scn", scenarioBytes(10, "1.11"));
    AddScenarioFile(campaign, folder / "A.scn");
    const TScenario* scenario = campaign.Entry(0).Scenario.get();

    EXPECT_THROW(AddScenarioFile(campaign, folder / "missing.scn"), ECampaignError);
    EXPECT_THROW(InsertScenarioFile(campaign, 0, folder / "missing.scn"), ECampaignError);
    try {
        ReplaceScenarioFile(campaign, 0, folder / "missing.scn");
        FAIL();
    } catch (const ECampaignError& error) {
        EXPECT_EQ(error.what(), "Cannot open file " + (folder / "missing.scn").string());
    }
    ASSERT_EQ(campaign.Count(), 1u);
    EXPECT_EQ(campaign.Entry(0).Scenario.get(), scenario);
    EXPECT_EQ(campaign.Entry(0).Name, "A");
    EXPECT_EQ(campaign.Entry(0).OffsetText, "0310");
    EXPECT_EQ(bytesOf(*scenario), scenarioBytes(10, "1.11"));
    EXPECT_THROW(AddScenarioFile(campaign, folder.Path()), ECampaignError)
        << "a folder is no scenario";
}

TEST_F(ScenarioPayload, ReplacingKeepsTheEntryObjectAndRederivesOffsets) {
    WriteBytes(folder / "A.scn", scenarioBytes(10, "1.11"));
    WriteBytes(folder / "B.scn", scenarioBytes(20, "1.11"));
    WriteBytes(folder / "Longer.scx", scenarioBytes(2000, "1.18"));
    AddScenarioFile(campaign, folder / "A.scn");
    AddScenarioFile(campaign, folder / "B.scn");
    const TScenario* first = campaign.Entry(0).Scenario.get();

    ReplaceScenarioFile(campaign, 0, folder / "Longer.scx");
    EXPECT_EQ(campaign.Entry(0).Scenario.get(), first);
    EXPECT_EQ(campaign.Entry(0).Name, "Longer");
    EXPECT_EQ(campaign.Entry(0).FileName, "Longer.scx");
    EXPECT_EQ(campaign.Entry(0).SizeText, "1 KB");
    EXPECT_EQ(first->Size, 2000);
    EXPECT_EQ(bytesOf(*first), scenarioBytes(2000, "1.18"));
    EXPECT_EQ(campaign.Entry(1).Scenario->Offset, 1304 + 2000);
}

TEST_F(ScenarioPayload, InsertingAtZeroMovesEveryOtherEntryUp) {
    WriteBytes(folder / "A.scn", scenarioBytes(10, "1.11"));
    WriteBytes(folder / "New.scn", scenarioBytes(300, "1.11"));
    AddScenarioFile(campaign, folder / "A.scn");
    const std::int32_t before = campaign.Entry(0).Scenario->Offset;
    InsertScenarioFile(campaign, 0, folder / "New.scn");
    EXPECT_EQ(campaign.Entry(0).Name, "New");
    EXPECT_EQ(campaign.Entry(1).Scenario->Offset, before + 520 + 300);
    InsertScenarioFile(campaign, 2, folder / "New.scn");
    EXPECT_EQ(campaign.Count(), 3u);
    EXPECT_THROW(InsertScenarioFile(campaign, 4, folder / "New.scn"), std::out_of_range);
}

TEST_F(ScenarioPayload, VersionIsReadFromTheFirstFourBytesOnly) {
    const std::vector<std::pair<std::string, std::optional<TScenarioVersion>>> cases = {
        {"1.10xx", TScenarioVersion::Trial110},
        {"1.11", TScenarioVersion::Game111},
        {"1.18....", TScenarioVersion::Expansion118},
        {"1.12....", std::nullopt},
        {"1.1", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [content, version] : cases) {
        TScenario scenario;
        scenario.Stream.Assign({content.begin(), content.end()});
        scenario.Stream.Seek(2);
        EXPECT_EQ(ReadScenarioVersion(scenario), version) << content;
        EXPECT_EQ(scenario.Stream.Position(), 0u);
    }
}

TEST_F(ScenarioPayload, StampingChangesOnlyTheFirstFourBytes) {
    const auto original = scenarioBytes(500, "1.18");
    WriteBytes(folder / "S.scx", original);
    WriteBytes(folder / "T.scn", scenarioBytes(40, "1.11"));
    AddScenarioFile(campaign, folder / "S.scx");
    AddScenarioFile(campaign, folder / "T.scn");
    const auto offsets =
        std::make_pair(campaign.Entry(0).Scenario->Offset, campaign.Entry(1).Scenario->Offset);

    StampScenarioVersion(*campaign.Entry(0).Scenario, TScenarioVersion::Game111);
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(0).Scenario), TScenarioVersion::Game111);
    EXPECT_EQ(campaign.Entry(0).Scenario->Size, 500);
    EXPECT_EQ(
        std::make_pair(campaign.Entry(0).Scenario->Offset, campaign.Entry(1).Scenario->Offset),
        offsets);

    ExportScenario(*campaign.Entry(0).Scenario, folder / "Out.scx");
    auto expected = original;
    std::copy_n("1.11", 4, expected.begin());
    EXPECT_EQ(ReadBytes(folder / "Out.scx"), expected);
}

TEST_F(ScenarioPayload, StampingAPayloadShorterThanFourBytesIsRefused) {
    TScenario scenario;
    scenario.Size = 2;
    scenario.Stream.Assign({'x', 'y'});
    EXPECT_THROW(StampScenarioVersion(scenario, TScenarioVersion::Game111), ECampaignError);
    EXPECT_EQ(scenario.Stream.Size(), 2u);
    EXPECT_EQ(scenario.Size, 2);
}

TEST_F(ScenarioPayload, ExportReplacesAnExistingFileWhole) {
    WriteBytes(folder / "A.scn", scenarioBytes(64, "1.11"));
    AddScenarioFile(campaign, folder / "A.scn");
    WriteBytes(folder / "Out.scn", scenarioBytes(5000, "junk"));
    ExportScenario(*campaign.Entry(0).Scenario, folder / "Out.scn");
    EXPECT_EQ(ReadBytes(folder / "Out.scn"), scenarioBytes(64, "1.11"));
    EXPECT_EQ(bytesOf(*campaign.Entry(0).Scenario), scenarioBytes(64, "1.11"));
    EXPECT_THROW(ExportScenario(*campaign.Entry(0).Scenario, folder / "no" / "Out.scn"),
                 ECampaignError);
}
