#include "Campaign.h"
#include "CampaignReader.h"
#include "ScenarioPayload.h"
#include "TempFolder.h"
#include "Utils.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TScenario> scenarioOf(std::int32_t size) {
    auto scenario = std::make_unique<TScenario>();
    scenario->Size = size;
    scenario->Stream.Assign(std::vector<std::uint8_t>(static_cast<std::size_t>(size), 0x5A));
    return scenario;
}

// Offsets follow the back-to-back layout after every change.
void expectBackToBack(const TCampaign& campaign) {
    std::int64_t position = 264 + 520 * static_cast<std::int64_t>(campaign.Count());
    for (const auto& entry : campaign.Entries()) {
        EXPECT_EQ(entry.Scenario->Offset, position);
        EXPECT_EQ(entry.OffsetText, OffsetText(position));
        position += entry.Scenario->Size;
    }
    EXPECT_EQ(campaign.LayoutSize(), position);
}

} // namespace

TEST(CampaignModel, OffsetsFollowTheTableAndEachOther) {
    TCampaign campaign;
    campaign.AppendEntry(MakeEntry("A", "A.scn", scenarioOf(100)));
    EXPECT_EQ(campaign.Entry(0).OffsetText, "?");
    campaign.UpdateOffsets();
    EXPECT_EQ(campaign.Entry(0).Scenario->Offset, 784);
    EXPECT_EQ(campaign.Entry(0).OffsetText, "0310");

    campaign.AppendEntry(MakeEntry("B", "B.scn", scenarioOf(7)));
    campaign.UpdateOffsets();
    EXPECT_EQ(campaign.Entry(0).OffsetText, "0518");
    EXPECT_EQ(campaign.Entry(1).Scenario->Offset, 1404);
    expectBackToBack(campaign);

    campaign.InsertEntry(0, MakeEntry("C", "C.scn", scenarioOf(30)));
    campaign.UpdateOffsets();
    EXPECT_EQ(campaign.Entry(0).Name, "C");
    EXPECT_EQ(campaign.Entry(1).Scenario->Offset, 1304 + 520 + 30)
        << "moved up by 520 plus the new size";
    expectBackToBack(campaign);

    campaign.MoveEntry(0, 2);
    campaign.UpdateOffsets();
    EXPECT_EQ(campaign.Entry(2).Name, "C");
    expectBackToBack(campaign);

    campaign.RemoveEntry(1);
    campaign.RemoveEntry(0);
    campaign.RemoveEntry(0);
    campaign.UpdateOffsets();
    EXPECT_EQ(campaign.Count(), 0u);
    EXPECT_EQ(campaign.LayoutSize(), 264);
}

TEST(CampaignModel, NewCampaignAlwaysReplacesTheOptions) {
    TCampaign campaign;
    const TCampaignOptions* before = &campaign.CampaignOptions();
    campaign.AppendEntry(MakeEntry("A", "A.scn", scenarioOf(1)));
    campaign.NewCampaign();
    EXPECT_EQ(campaign.Count(), 0u);
    EXPECT_EQ(campaign.CampaignOptions().Title, "");
    // Even an empty campaign gets fresh options.
    const TCampaignOptions* middle = &campaign.CampaignOptions();
    campaign.NewCampaign();
    EXPECT_NE(&campaign.CampaignOptions(), middle);
    (void)before;
}

TEST(CampaignModel, StoredOffsetsShowUntilTheFirstChange) {
    TLoadResult result = LoadCampaign(SampleFile("good/Unordered.cpn"));
    TCampaign campaign = std::move(std::get<TCampaign>(result));
    EXPECT_EQ(campaign.Entry(1).Scenario->Offset, 264 + 1040 + 10);
    EXPECT_EQ(campaign.Entry(1).OffsetText, OffsetText(264 + 1040 + 10));
    campaign.RemoveEntry(0);
    campaign.UpdateOffsets();
    expectBackToBack(campaign);
}

TEST(CampaignModel, EntriesPastTheLargestOffsetShowAQuestionMark) {
    TCampaign campaign;
    for (int i = 0; i < 3; ++i) {
        auto scenario = std::make_unique<TScenario>();
        scenario->Size = 1 << 30; // sizes only: no need to hold a gigabyte
        campaign.AppendEntry(MakeEntry("Big", "Big.scn", std::move(scenario)));
    }
    campaign.UpdateOffsets();
    EXPECT_EQ(campaign.Entry(1).OffsetText, OffsetText(264 + 3 * 520 + (1 << 30)));
    EXPECT_EQ(campaign.Entry(2).OffsetText, "?");
    EXPECT_EQ(campaign.Entry(2).Scenario->Offset, -1);
    EXPECT_GT(campaign.LayoutSize(), 2147483647);
}
