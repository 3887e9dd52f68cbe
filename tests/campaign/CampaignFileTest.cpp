#include "CampaignCheck.h"
#include "CampaignEditor.h"
#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "ScenarioPayload.h"
#include "ErrorText.h"
#include "TempFolder.h"
#include "Utils.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace {

std::vector<std::uint8_t> pattern(std::size_t size, std::string_view prefix = "1.18") {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
    std::copy_n(prefix.begin(), std::min(prefix.size(), size), bytes.begin());
    return bytes;
}

TCampaign loaded(const std::filesystem::path& path) {
    TLoadResult result = LoadCampaign(path);
    if (!std::holds_alternative<TCampaign>(result))
        throw std::runtime_error(std::get<TCampaignRejection>(result).Message);
    return std::move(std::get<TCampaign>(result));
}

std::int32_t int32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::string textAt(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t width) {
    std::string text(bytes.begin() + at, bytes.begin() + at + width);
    return text.substr(0, text.find('\0'));
}

} // namespace

class CampaignFile : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(CampaignFile, OneScenarioCampaignHasTheExactLayout) {
    const auto demo = ReadBytes(SampleFile("good/Demo.scn"));
    ASSERT_EQ(demo.size(), 100u);
    WriteBytes(folder / "Demo.scn", demo);
    TCampaign campaign;
    AddScenarioFile(campaign, folder / "Demo.scn");
    SaveCampaign(campaign, folder / "Camp.cpn");

    const auto bytes = ReadBytes(folder / "Camp.cpn");
    ASSERT_EQ(bytes.size(), 884u);
    EXPECT_EQ(textAt(bytes, 0, 4), "1.00");
    EXPECT_EQ(textAt(bytes, 4, 256), "Camp");
    EXPECT_TRUE(std::all_of(bytes.begin() + 8, bytes.begin() + 260, [](auto b) { return b == 0; }));
    EXPECT_EQ(int32At(bytes, 260), 1);
    EXPECT_EQ(int32At(bytes, 264), 100);
    EXPECT_EQ(int32At(bytes, 268), 784);
    EXPECT_EQ(textAt(bytes, 272, 255), "Demo");
    EXPECT_EQ(textAt(bytes, 264 + 263, 257), "Demo.scn");
    EXPECT_EQ(bytes[264 + 262], 0) << "the file name starts at record offset 263, not 264";
    EXPECT_TRUE(std::equal(bytes.begin() + 784, bytes.end(), demo.begin()));
    EXPECT_EQ(bytes, ReadBytes(SampleFile("good/Camp.cpn"))) << "matches the committed sample";
}

TEST_F(CampaignFile, EmptyCampaignIsTheHeaderAlone) {
    TCampaign campaign;
    auto options = std::make_unique<TCampaignOptions>();
    options->Title = "Nothing here";
    campaign.ReplaceCampaignOptions(std::move(options));
    SaveCampaign(campaign, folder / "Empty.cpx");

    EXPECT_EQ(std::filesystem::file_size(folder / "Empty.cpx"), 264u);
    const TCampaign back = loaded(folder / "Empty.cpx");
    EXPECT_EQ(back.Count(), 0u);
    EXPECT_EQ(back.CampaignOptions().Title, "Nothing here");
}

TEST_F(CampaignFile, EmptyTitleIsDerivedFromTheSavedNameAndStaysEmptyInTheModel) {
    TCampaign campaign;
    SaveCampaign(campaign, folder / "Demo.cpx");
    SaveCampaign(campaign, folder / "Other.Name.cpn");
    EXPECT_EQ(loaded(folder / "Demo.cpx").CampaignOptions().Title, "Demo");
    EXPECT_EQ(loaded(folder / "Other.Name.cpn").CampaignOptions().Title, "Other.Name");
    EXPECT_EQ(campaign.CampaignOptions().Title, "");
}

TEST_F(CampaignFile, SavedLoadedAndSavedAgainGivesTheSameBytes) {
    const auto sample = SampleFile("good/Three.cpx");
    TCampaign campaign = loaded(sample);
    ASSERT_EQ(campaign.Count(), 3u);
    EXPECT_EQ(campaign.CampaignOptions().Title, "Three Kingdoms");
    EXPECT_EQ(campaign.Entry(1).Name, "Trial");
    EXPECT_EQ(campaign.Entry(1).FileName, "Trial.scn");
    EXPECT_EQ(campaign.Entry(0).OffsetText, "0720");
    EXPECT_EQ(campaign.Entry(0).SizeText, "300");
    SaveCampaign(campaign, folder / "Three.cpx");
    EXPECT_EQ(ReadBytes(folder / "Three.cpx"), ReadBytes(sample));
}

TEST_F(CampaignFile, PayloadsInAnotherOrderAndWithGapsLoadWithTheirOwnBytes) {
    TCampaign campaign = loaded(SampleFile("good/Unordered.cpn"));
    ASSERT_EQ(campaign.Count(), 2u);
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(0).Scenario), TScenarioVersion::Game111);
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(1).Scenario), TScenarioVersion::Expansion118);
    EXPECT_EQ(campaign.Entry(0).Scenario->Stream.Size(), 40u);
    EXPECT_EQ(campaign.Entry(1).Scenario->Stream.Size(), 60u);
    // The stored offsets show until the list changes.
    EXPECT_EQ(campaign.Entry(0).Scenario->Offset, 264 + 1040 + 10 + 60 + 7);

    // Saving places the payloads back to back, each record pointing at its own bytes.
    SaveCampaign(campaign, folder / "Fixed.cpn");
    TCampaign fixed = loaded(folder / "Fixed.cpn");
    EXPECT_EQ(fixed.Entry(0).Scenario->Offset, 1304);
    EXPECT_EQ(fixed.Entry(1).Scenario->Offset, 1344);
    EXPECT_EQ(campaign.Entry(0).Scenario->Offset, 1304) << "the model follows the saved file";
    for (std::size_t i = 0; i < 2; ++i) {
        const auto a = campaign.Entry(i).Scenario->Stream.Bytes();
        const auto b = fixed.Entry(i).Scenario->Stream.Bytes();
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end()));
    }
    EXPECT_EQ(std::filesystem::file_size(folder / "Fixed.cpn"), 1304u + 100u);
}

TEST_F(CampaignFile, OtherVersionsAndShortFilesAreRejectedWithTheMessage) {
    auto wrong = ReadBytes(SampleFile("good/Camp.cpn"));
    for (const std::string version : {"1.01", "1.10", "0000", "\x00\x00\x00\x00"}) {
        std::copy(version.begin(), version.end(), wrong.begin());
        WriteBytes(folder / "Wrong.cpn", wrong);
        const TLoadResult result = LoadCampaign(folder / "Wrong.cpn");
        ASSERT_TRUE(std::holds_alternative<TCampaignRejection>(result)) << version;
        EXPECT_EQ(std::get<TCampaignRejection>(result).Message,
                  "The file Wrong.cpn is either not an Quorvane/Meltharn Campaign or an "
                  "unsupported version.");
    }
    EXPECT_TRUE(std::holds_alternative<TCampaignRejection>(
        LoadCampaign(SampleFile("broken/short-header.cpn"))));
    WriteBytes(folder / "Nothing.cpn", {});
    EXPECT_TRUE(std::holds_alternative<TCampaignRejection>(LoadCampaign(folder / "Nothing.cpn")));
}

TEST_F(CampaignFile, ZeroOrNegativeCountIsAnEmptyCampaign) {
    auto bytes = ReadBytes(SampleFile("good/Camp.cpn"));
    for (const std::int32_t count : {0, -1, -2147483647 - 1}) {
        for (int i = 0; i < 4; ++i)
            bytes[260 + i] =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(count) >> (8 * i));
        WriteBytes(folder / "C.cpn", bytes);
        const TCampaign campaign = loaded(folder / "C.cpn");
        EXPECT_EQ(campaign.Count(), 0u) << count;
        EXPECT_EQ(campaign.CampaignOptions().Title, "Camp");
    }
}

TEST_F(CampaignFile, ZeroSizeRecordLoadsAsAnEmptyPayload) {
    TCampaign campaign;
    WriteBytes(folder / "Nil.scn", {});
    AddScenarioFile(campaign, folder / "Nil.scn");
    SaveCampaign(campaign, folder / "Nil.cpn");
    const TCampaign back = loaded(folder / "Nil.cpn");
    ASSERT_EQ(back.Count(), 1u);
    EXPECT_EQ(back.Entry(0).SizeText, "0");
    EXPECT_EQ(back.Entry(0).Scenario->Stream.Size(), 0u);
}

TEST_F(CampaignFile, AnEmptyPayloadMayPointPastTheEnd) {
    TCampaignHeader header;
    header.Version = CampaignFormat::Version;
    header.Count = 1;
    TScenarioRecord record;
    record.Offset = 5000;
    StrToRecordFileName("Nil.scn", record);
    const THeaderBytes headerBytes = EncodeHeader(header);
    const TRecordBytes recordBytes = EncodeRecord(record);
    std::vector<std::uint8_t> bytes(headerBytes.begin(), headerBytes.end());
    bytes.insert(bytes.end(), recordBytes.begin(), recordBytes.end());
    WriteBytes(folder / "Nil.cpn", bytes);

    const TCampaign back = loaded(folder / "Nil.cpn");
    ASSERT_EQ(back.Count(), 1u);
    EXPECT_EQ(back.Entry(0).Scenario->Offset, 5000);
    EXPECT_EQ(back.Entry(0).Scenario->Stream.Size(), 0u);
    EXPECT_EQ(CheckCampaign(folder / "Nil.cpn").Texts(), std::vector<std::string>{});
    // The command line's editor reads it alike, and writes it back as an empty payload.
    const TTextCodec codec;
    TCampaignEditor editor = TCampaignEditor::Open(folder / "Nil.cpn", codec);
    editor.Save();
    EXPECT_EQ(loaded(folder / "Nil.cpn").Entry(0).Scenario->Offset, 784);
}

TEST_F(CampaignFile, LongTextsAreCutToWhatReadsBackWhole) {
    TCampaign campaign;
    WriteBytes(folder / "X.scn", pattern(10));
    AddScenarioFile(campaign, folder / "X.scn");
    campaign.Entry(0).Name = std::string(255, 'n');
    campaign.Entry(0).FileName = std::string(257, 'f');
    auto options = std::make_unique<TCampaignOptions>();
    options->Title = std::string(300, 't');
    campaign.ReplaceCampaignOptions(std::move(options));
    SaveCampaign(campaign, folder / "Brim.cpn");

    EXPECT_EQ(std::filesystem::file_size(folder / "Brim.cpn"), 784u + 10u)
        << "nothing written outside a field";
    const TCampaign back = loaded(folder / "Brim.cpn");
    EXPECT_EQ(back.CampaignOptions().Title, std::string(255, 't'));
    EXPECT_EQ(back.Entry(0).Name, std::string(254, 'n'));
    EXPECT_EQ(back.Entry(0).FileName, std::string(256, 'f'));
    EXPECT_TRUE(CheckCampaign(folder / "Brim.cpn").Findings.empty());
    EXPECT_EQ(loaded(SampleFile("good/TitleFull.cpn")).CampaignOptions().Title,
              std::string(255, 'T'));
}

TEST_F(CampaignFile, ALongTitleIsNeverCutInsideACharacter) {
    const TTextCodec gbk("GBK");
    std::string han;
    for (int i = 0; i < 200; ++i)
        han += gbk.FromUnicode("汉");
    TCampaign campaign;
    auto options = std::make_unique<TCampaignOptions>();
    options->Title = han;
    campaign.ReplaceCampaignOptions(std::move(options));
    SaveCampaign(campaign, folder / "Han.cpn", gbk);

    const std::string title = loaded(folder / "Han.cpn").CampaignOptions().Title;
    EXPECT_EQ(title, han.substr(0, 254));
    EXPECT_EQ(gbk.ToUnicode(title).find("\xEF\xBF\xBD"), std::string::npos);
}

TEST_F(CampaignFile, HostileNumbersEndAsStreamReadErrorWithoutAllocating) {
    for (const char* name : {"huge-count", "huge-size", "negative-offset", "negative-size",
                             "payload-past-end", "table-cut-short"}) {
        const auto path = SampleFile(std::string("broken/") + name + ".cpn");
        try {
            LoadCampaign(path);
            ADD_FAILURE() << name << " loaded";
        } catch (const ECampaignError& error) {
            EXPECT_STREQ(error.what(), "Stream read error") << name;
        }
    }
}

TEST_F(CampaignFile, MissingFileCannotBeOpened) {
    EXPECT_THROW(
        {
            try {
                LoadCampaign(folder / "none.cpn");
            } catch (const ECampaignError& error) {
                EXPECT_EQ(error.what(), "Cannot open file " + (folder / "none.cpn").string());
                throw;
            }
        },
        ECampaignError);
}

TEST_F(CampaignFile, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    const auto target = folder / "Camp.cpn";
    std::filesystem::copy_file(SampleFile("good/Camp.cpn"), target);
    const auto before = ReadBytes(target);

    // A scenario file that vanished before the save: the write fails half way.
    WriteBytes(folder / "Gone.scn", pattern(50));
    std::vector<TWriterEntry> entries;
    entries.push_back(
        {"Demo", "Demo.scn", {TPayloadPiece::FromMemory(std::span(before).subspan(784))}});
    entries.push_back({"Gone", "Gone.scn", {TPayloadPiece::FromPath(folder / "Gone.scn", 50)}});
    std::filesystem::remove(folder / "Gone.scn");
    EXPECT_THROW(WriteCampaign(target, "Camp", entries), ECampaignError);

    EXPECT_EQ(ReadBytes(target), before);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Camp.cpn"});
}

TEST_F(CampaignFile, SavingWhereNoFileCanBeCreatedIsCannotCreate) {
    // A path through a regular file fails for every user, root included.
    WriteText(folder / "plain.txt", "not a folder");
    TCampaign campaign;
    try {
        SaveCampaign(campaign, folder / "plain.txt" / "C.cpn");
        FAIL();
    } catch (const ECampaignError& error) {
        EXPECT_EQ(error.what(), "Cannot create file " + (folder / "plain.txt" / "C.cpn").string());
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"plain.txt"});
}

TEST_F(CampaignFile, SavingIntoAMissingFolderIsCannotCreate) {
    TCampaign campaign;
    try {
        SaveCampaign(campaign, folder / "missing" / "C.cpn");
        FAIL();
    } catch (const ECampaignError& error) {
        EXPECT_EQ(error.what(), "Cannot create file " + (folder / "missing" / "C.cpn").string());
    }
}

TEST_F(CampaignFile, ALayoutPastTwoGigabytesIsRefusedBeforeWritingWithItsWholeLength) {
    WriteBytes(folder / "S.scn", pattern(4));
    const auto entry = [&](std::int64_t size) {
        return TWriterEntry{"A", "A.scn", {TPayloadPiece::FromPath(folder / "S.scn", size)}};
    };
    const std::int64_t largest = CampaignFormat::MaxFileSize - 784;
    // The largest layout passes the check and fails only when the 4-byte file is copied.
    EXPECT_EQ(errorOf([&] { WriteCampaign(folder / "Fits.cpn", "T", {entry(largest)}); }),
              "Stream read error");
    EXPECT_EQ(errorOf([&] { WriteCampaign(folder / "Big.cpn", "T", {entry(largest + 1)}); }),
              "The campaign would be 2,147,483,648 bytes long, more than the 2,147,483,647 "
              "bytes a campaign file can hold");
    EXPECT_EQ(errorOf([&] {
                  WriteCampaign(folder / "Big.cpn", "T",
                                {entry(largest), entry(largest), entry(largest)});
              }),
              "The campaign would be 6,442,450,413 bytes long, more than the 2,147,483,647 "
              "bytes a campaign file can hold");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"S.scn"});
}

TEST_F(CampaignFile, SavingKeepsTheModeOfTheReplacedFile) {
    const auto target = folder / "Camp.cpn";
    std::filesystem::copy_file(SampleFile("good/Camp.cpn"), target);
    ::chmod(target.c_str(), 0640);
    TCampaign campaign = loaded(target);
    SaveCampaign(campaign, target);
    struct stat status {};
    ::stat(target.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_F(CampaignFile, SavingThroughASymbolicLinkReplacesTheFileItPointsAt) {
    std::filesystem::create_directory(folder / "real");
    std::filesystem::copy_file(SampleFile("good/Camp.cpn"), folder / "real" / "Camp.cpn");
    std::filesystem::create_symlink(folder / "real" / "Camp.cpn", folder / "link.cpn");
    TCampaign campaign;
    SaveCampaign(campaign, folder / "link.cpn");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.cpn"));
    EXPECT_EQ(std::filesystem::file_size(folder / "real" / "Camp.cpn"), 264u);
}

namespace {

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

// A campaign of `ranges.size()` records, each pointing at its (offset from the payload area's
// start, size) inside a payload area of areaSize bytes.
std::vector<std::uint8_t> craftedCampaign(const std::vector<std::pair<int, int>>& ranges,
                                          std::size_t areaSize) {
    const std::size_t start = 264 + 520 * ranges.size();
    std::vector<std::uint8_t> bytes(start);
    std::copy_n("1.00", 4, bytes.begin());
    putInt32(bytes, 260, static_cast<std::int32_t>(ranges.size()));
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        putInt32(bytes, 264 + 520 * i, ranges[i].second);
        putInt32(bytes, 264 + 520 * i + 4, static_cast<std::int32_t>(start) + ranges[i].first);
    }
    const auto area = pattern(areaSize);
    bytes.insert(bytes.end(), area.begin(), area.end());
    return bytes;
}

} // namespace

TEST_F(CampaignFile, PayloadsThatShareBytesShareMemoryUntilOneIsChanged) {
    constexpr int Megabyte = 1 << 20;
    const std::vector<std::pair<int, int>> sameRange(400, {0, Megabyte});
    WriteBytes(folder / "Same.cpn", craftedCampaign(sameRange, Megabyte));
    TCampaign campaign = loaded(folder / "Same.cpn");
    ASSERT_EQ(campaign.Count(), 400u);
    for (const auto& entry : campaign.Entries()) {
        ASSERT_EQ(entry.Scenario->Stream.Size(), static_cast<std::size_t>(Megabyte));
        EXPECT_EQ(entry.Scenario->Stream.Bytes().data(),
                  campaign.Entry(0).Scenario->Stream.Bytes().data())
            << "400 records of one megabyte load into one megabyte";
    }

    StampScenarioVersion(*campaign.Entry(1).Scenario, TScenarioVersion::Game111);
    EXPECT_FALSE(campaign.Entry(1).Scenario->Stream.IsShared());
    EXPECT_TRUE(campaign.Entry(0).Scenario->Stream.IsShared());
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(1).Scenario), TScenarioVersion::Game111);
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(0).Scenario), TScenarioVersion::Expansion118);
    EXPECT_EQ(ReadScenarioVersion(*campaign.Entry(2).Scenario), TScenarioVersion::Expansion118);
}

TEST_F(CampaignFile, OverlappingPayloadsAreReadOnceAndEachKeepsItsOwnBytes) {
    WriteBytes(folder / "Overlap.cpn",
               craftedCampaign({{50, 100}, {0, 100}, {300, 10}, {100, 0}, {90, 30}}, 400));
    const TCampaign campaign = loaded(folder / "Overlap.cpn");
    const auto area = pattern(400);
    const auto bytesOf = [&](std::size_t i) { return campaign.Entry(i).Scenario->Stream.Bytes(); };
    EXPECT_EQ(bytesOf(0).data(), bytesOf(1).data() + 50);
    EXPECT_EQ(bytesOf(4).data(), bytesOf(1).data() + 90);
    for (const auto& [index, offset, size] :
         std::vector<std::tuple<std::size_t, int, int>>{{0, 50, 100}, {1, 0, 100}, {2, 300, 10},
                                                         {3, 100, 0}, {4, 90, 30}})
        EXPECT_TRUE(std::equal(bytesOf(index).begin(), bytesOf(index).end(), area.begin() + offset,
                               area.begin() + offset + size))
            << index;
}
