#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::string randomText(std::mt19937& random, std::size_t maximum) {
    std::uniform_int_distribution<std::size_t> length(0, maximum);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string text(length(random), ' ');
    for (char& c : text)
        c = static_cast<char>(byte(random));
    return text;
}

TCampaign randomCampaign(std::mt19937& random) {
    TCampaign campaign;
    auto options = std::make_unique<TCampaignOptions>();
    options->Title = randomText(random, 255);
    campaign.ReplaceCampaignOptions(std::move(options));
    const int count = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < count; ++i) {
        auto scenario = std::make_unique<TScenario>();
        std::vector<std::uint8_t> bytes(
            std::uniform_int_distribution<std::size_t>(0, 3000)(random));
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        scenario->Size = static_cast<std::int32_t>(bytes.size());
        scenario->Stream.Assign(std::move(bytes));
        campaign.AppendEntry(
            MakeEntry(randomText(random, 254), randomText(random, 256), std::move(scenario)));
    }
    campaign.UpdateOffsets();
    return campaign;
}

} // namespace

// Any campaign whose texts fit their fields survives a save and a load unchanged, and a
// second save gives the very same bytes.
TEST(CampaignRoundTrip, RandomCampaignsSurviveSaveAndLoad) {
    TempFolder folder;
    std::mt19937 random(20261207);
    for (int round = 0; round < 60; ++round) {
        TCampaign campaign = randomCampaign(random);
        if (campaign.CampaignOptions().Title.empty())
            continue; // an empty title is derived from the file name instead
        SaveCampaign(campaign, folder / "R.cpn");
        TLoadResult result = LoadCampaign(folder / "R.cpn");
        ASSERT_TRUE(std::holds_alternative<TCampaign>(result));
        TCampaign& back = std::get<TCampaign>(result);

        EXPECT_EQ(back.CampaignOptions().Title, campaign.CampaignOptions().Title);
        ASSERT_EQ(back.Count(), campaign.Count());
        for (std::size_t i = 0; i < campaign.Count(); ++i) {
            const auto& a = campaign.Entry(i);
            const auto& b = back.Entry(i);
            EXPECT_EQ(a.Name, b.Name);
            EXPECT_EQ(a.FileName, b.FileName);
            EXPECT_EQ(a.OffsetText, b.OffsetText);
            EXPECT_EQ(a.SizeText, b.SizeText);
            EXPECT_EQ(a.Scenario->Offset, b.Scenario->Offset);
            const auto x = a.Scenario->Stream.Bytes();
            const auto y = b.Scenario->Stream.Bytes();
            EXPECT_TRUE(std::equal(x.begin(), x.end(), y.begin(), y.end()));
        }
        SaveCampaign(back, folder / "S.cpn");
        EXPECT_EQ(ReadBytes(folder / "R.cpn"), ReadBytes(folder / "S.cpn"));
    }
}
