#include "CampaignCheck.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> findingsOf(const std::string& sample) {
    return CheckCampaign(SampleFile(sample)).Findings;
}

bool mentions(const std::vector<std::string>& findings, const std::string& text) {
    return std::any_of(findings.begin(), findings.end(), [&](const std::string& finding) {
        return finding.find(text) != std::string::npos;
    });
}

} // namespace

TEST(CampaignCheck, WellFormedCampaignsHaveNoFindings) {
    for (const char* sample : {"good/Camp.cpn", "good/Three.cpx", "good/Empty.cpn"})
        EXPECT_TRUE(findingsOf(sample).empty()) << sample;
    EXPECT_EQ(CheckCampaign(SampleFile("good/Three.cpx")).Count, 3);
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
    const auto findings = CheckCampaign(folder / "Bad.cpx").Findings;
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
    const auto findings = CheckCampaign(folder / "Over.cpn").Findings;
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
            std::vector<std::string> batched;
            CheckCampaign(folder / name, [&](const std::string& f) { batched.push_back(f); },
                          inMemory);
            EXPECT_EQ(batched, all) << name << " sorting " << inMemory << " at a time";
        }
    }
}
