#include "Utils.h"

#include <gtest/gtest.h>

TEST(FormatSize, BytesKilobytesAndMegabytesCutAtTheirBounds) {
    const std::vector<std::pair<std::int64_t, std::string>> cases = {
        {0, "0"},         {1023, "1023"},          {1024, "1 KB"},    {2047, "1 KB"},
        {70000, "68 KB"}, {1048575, "1023 KB"},    {1048576, "1 MB"}, {5000000, "4 MB"},
        {-5, "-5"},       {2147483647, "2047 MB"},
    };
    for (const auto& [size, text] : cases)
        EXPECT_EQ(FormatSize(size), text) << size;
}

TEST(OffsetText, UpperCaseHexWithAtLeastFourDigits) {
    EXPECT_EQ(OffsetText(784), "0310");
    EXPECT_EQ(OffsetText(1304), "0518");
    EXPECT_EQ(OffsetText(0), "0000");
    EXPECT_EQ(OffsetText(0xABCD), "ABCD");
    EXPECT_EQ(OffsetText(70000), "11170");
}

TEST(NameWithoutExt, DropsTheLastFourCharactersWithoutLookingForADot) {
    EXPECT_EQ(NameWithoutExt("Demo.cpn"), "Demo");
    EXPECT_EQ(NameWithoutExt("Long.name.cpx"), "Long.name");
    EXPECT_EQ(NameWithoutExt("Demo.scenario"), "Demo.scen");
    EXPECT_EQ(NameWithoutExt(".scn"), "");
    EXPECT_EQ(NameWithoutExt("abc"), "");
    EXPECT_EQ(NameWithoutExt("abcde"), "a");
}

TEST(FixedFields, ReadUpToTheFirstZeroAndNeverTheLastByte) {
    TCampaignHeader header;
    header.Title.fill('T');
    EXPECT_EQ(HeaderTitleToStr(header), std::string(255, 'T'));

    TScenarioRecord record;
    record.Name.fill('N');
    record.FileName.fill('F');
    EXPECT_EQ(RecordNameToStr(record), std::string(254, 'N'));
    EXPECT_EQ(RecordFileNameToStr(record), std::string(256, 'F'));

    StrToRecordName("Demo", record);
    EXPECT_EQ(RecordNameToStr(record), "Demo");
    EXPECT_TRUE(
        std::all_of(record.Name.begin() + 4, record.Name.end(), [](auto b) { return b == 0; }));
}

TEST(FixedFields, TextsAreCutToWhatReadsBackWholeAndKeepTheirZero) {
    TCampaignHeader header;
    StrToHeaderTitle(std::string(256, 'T'), header);
    EXPECT_EQ(header.Title.back(), 0);
    EXPECT_EQ(HeaderTitleToStr(header), std::string(255, 'T'));

    TScenarioRecord record;
    StrToRecordName(std::string(1000, 'N'), record);
    StrToRecordFileName(std::string(257, 'F'), record);
    EXPECT_EQ(record.Name.back(), 0);
    EXPECT_EQ(record.FileName.back(), 0);
    EXPECT_EQ(RecordNameToStr(record), std::string(254, 'N'));
    EXPECT_EQ(RecordFileNameToStr(record), std::string(256, 'F'));
}

TEST(FixedFields, AnEmptyFieldReadsEmpty) {
    TCampaignHeader header;
    header.Title[1] = 'x';
    EXPECT_EQ(HeaderTitleToStr(header), "");
}

TEST(SafeFileName, StoredNamesNeverLeaveTheChosenFolder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Demo.scn", "Demo.scn"},
        {"../../evil.scn", "evil.scn"},
        {"/etc/passwd", "passwd"},
        {"C:\\Games\\Demo.scn", "Demo.scn"},
        {"C:Demo.scn", "Demo.scn"},
        {"bad\x01name\x7f.scn", "badname.scn"},
        {"c1\xC2\x9B" "31m\xC2\x85.scn", "c131m.scn"},
        {"caf\xC3\xA9.scn", "caf\xC3\xA9.scn"},
        {"..", "fallback.scn"},
        {".", "fallback.scn"},
        {"dir/", "fallback.scn"},
        {"", "fallback.scn"},
        {"Trailing.scn  ", "Trailing.scn"},
        {".scn", ".scn"},
        {"Act 1: Dawn.scn", "Act 1: Dawn.scn"},
    };
    for (const auto& [stored, safe] : cases)
        EXPECT_EQ(SafeFileName(stored, "fallback.scn"), safe) << stored;
}

TEST(SafeFileName, LongNamesAreCutBetweenCharactersKeepingTheExtension) {
    std::string euros;
    for (int i = 0; i < 90; ++i)
        euros += "\xE2\x82\xAC"; // 270 bytes of "€"
    const std::string safe = SafeFileName(euros + ".scn", "fallback.scn");
    EXPECT_EQ(safe, euros.substr(0, 83 * 3) + ".scn");
    EXPECT_EQ(SafeFileName(std::string(300, 'x'), "f").size(), 255u);
    EXPECT_EQ(SafeFileName(std::string(256, 'x') + ".scn", "f"), std::string(251, 'x') + ".scn");
}
