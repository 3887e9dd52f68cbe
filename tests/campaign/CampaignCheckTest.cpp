#include "CampaignCheck.h"

#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> findingsOf(const std::string& sample) {
    return CheckCampaign(SampleFile(sample)).Texts();
}

bool mentions(const std::vector<std::string>& findings, const std::string& text) {
    return std::any_of(findings.begin(), findings.end(), [&](const std::string& finding) {
        return finding.find(text) != std::string::npos;
    });
}

} // namespace

TEST(CampaignCheck, WellFormedCampaignsHaveNoFindings) {
    for (const char* sample : {"good/Camp.cpn", "good/Empty.cpn"})
        EXPECT_TRUE(findingsOf(sample).empty()) << sample;
    EXPECT_EQ(CheckCampaign(SampleFile("good/Three.cpx")).Count, 3);
}

// Three.cpx holds a 1.18 scenario, a 1.10 one and one of two bytes.
TEST(CampaignCheck, ScenariosOfNeitherOrOfBothGamesAreNamedByTheirRow) {
    const auto findings = CheckCampaign(SampleFile("good/Three.cpx")).Findings;
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0], (TCampaignFinding{"scenario 2 (1.10) and scenario 1 (1.18) are for "
                                             "different games: no game plays both",
                                             1}));
    EXPECT_EQ(findings[1].Scenario, 2);
    EXPECT_NE(findings[1].Text.find("scenario 3 has no version text"), std::string::npos);
}

// The check on the model tells what the check of the file it saves would find.
TEST(CampaignCheck, TheModelsCheckAgreesWithTheCheckOfTheFileItSaves) {
    TempFolder folder;
    for (const auto& sample : std::filesystem::directory_iterator(SampleFile("good"))) {
        TLoadResult loaded = LoadCampaign(sample.path());
        auto* campaign = std::get_if<TCampaign>(&loaded);
        if (!campaign)
            continue;
        const auto saved = folder / sample.path().filename();
        SaveCampaign(*campaign, saved);
        const TCampaignReport model = CheckCampaign(*campaign);
        const TCampaignReport file = CheckCampaign(saved);
        EXPECT_EQ(model.Findings, file.Findings) << sample.path();
        EXPECT_EQ(model.Count, file.Count) << sample.path();
    }
}

TEST(CampaignCheck, EachDefectIsNamed) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"broken/short-header.cpn", "shorter than the 264-byte header"},
        {"broken/wrong-version.cpn", "version text"},
        {"broken/huge-count.cpn", "cut short: 0 of 2147483647"},
        {"broken/table-cut-short.cpn", "cut short: 1 of 3"},
        {"broken/huge-size.cpn", "past the end"},
        {"broken/payload-past-end.cpn", "past the end"},
        {"broken/negative-offset.cpn", "negative"},
        {"broken/negative-size.cpn", "negative"},
        {"good/TitleFull.cpn", "title fills its field"},
        {"good/Unordered.cpn", "10 unused bytes"},
    };
    for (const auto& [sample, text] : cases)
        EXPECT_TRUE(mentions(findingsOf(sample), text)) << sample << " should mention " << text;
}

TEST(CampaignCheck, OverlapsGapsAndTrailingBytes) {
    TempFolder folder;
    auto bytes = ReadBytes(SampleFile("good/Three.cpx"));
    // Point the second payload into the first one.
    bytes[264 + 520 + 4] = static_cast<std::uint8_t>(bytes[264 + 4] + 10);
    bytes[264 + 520 + 5] = bytes[264 + 5];
    bytes.push_back(0);
    WriteBytes(folder / "Bad.cpx", bytes);
    const auto findings = CheckCampaign(folder / "Bad.cpx").Texts();
    EXPECT_TRUE(mentions(findings, "scenario 1 and scenario 2 overlap"));
    EXPECT_TRUE(mentions(findings, "unused bytes"));
    EXPECT_TRUE(mentions(findings, "1 bytes after the last payload"));
}

TEST(CampaignCheck, ATextWhoseZeroIsTheFieldsLastByteIsNoFinding) {
    TempFolder folder;
    auto bytes = ReadBytes(SampleFile("good/Camp.cpn"));
    std::fill_n(bytes.begin() + 4, 255, 'T');                    // title: 255 bytes and a zero
    std::fill_n(bytes.begin() + 264 + 8, 254, 'N');              // name: 254 bytes and a zero
    std::fill_n(bytes.begin() + 264 + 263, 256, 'F');            // file name: 256 and a zero
    WriteBytes(folder / "Full.cpn", bytes);
    EXPECT_TRUE(CheckCampaign(folder / "Full.cpn").Findings.empty());

    bytes[4 + 255] = 'T';
    WriteBytes(folder / "Over.cpn", bytes);
    const auto findings = CheckCampaign(folder / "Over.cpn").Texts();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_TRUE(mentions(findings, "title fills its field"));
}

TEST(CampaignCheck, TablesLargerThanItsMemoryGiveTheSameFindings) {
    TempFolder folder;
    auto bytes = ReadBytes(SampleFile("good/Three.cpx"));
    bytes[264 + 520 + 4] = static_cast<std::uint8_t>(bytes[264 + 4] + 10);
    bytes[264 + 520 + 5] = bytes[264 + 5];
    bytes.push_back(0);
    WriteBytes(folder / "Bad.cpx", bytes);
    for (const char* sample : {"good/Unordered.cpn", "good/Three.cpx"})
        WriteBytes(folder / (std::string(sample).substr(5)), ReadBytes(SampleFile(sample)));

    for (const char* name : {"Bad.cpx", "Unordered.cpn", "Three.cpx"}) {
        const auto all = CheckCampaign(folder / name).Findings;
        for (const std::size_t inMemory : {1, 2}) {
            std::vector<TCampaignFinding> batched;
            CheckCampaign(folder / name, [&](const TCampaignFinding& f) { batched.push_back(f); },
                          inMemory);
            EXPECT_EQ(batched, all) << name << " sorting " << inMemory << " at a time";
        }
    }
}
