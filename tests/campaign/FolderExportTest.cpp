#include "FolderExport.h"

#include "CampaignError.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> bytesOf(std::size_t size, std::uint8_t fill) {
    return std::vector<std::uint8_t>(size, fill);
}

void append(TCampaign& campaign, const std::string& fileName, std::vector<std::uint8_t> bytes) {
    auto scenario = std::make_unique<TScenario>();
    scenario->Size = static_cast<std::int32_t>(bytes.size());
    scenario->Stream.Assign(std::move(bytes));
    campaign.AppendEntry(MakeEntry("x", fileName, std::move(scenario)));
}

const TExportProgress goOn = [](std::int64_t, std::int64_t) { return true; };

} // namespace

class FolderExport : public ::testing::Test {
protected:
    // A.scn, a second A.scn, a name that points outside, and one with nothing usable.
    void SetUp() override {
        append(campaign, "A.scn", bytesOf(10, 1));
        append(campaign, "A.scn", bytesOf(20, 2));
        append(campaign, "../../up.scn", bytesOf(30, 3));
        append(campaign, "", bytesOf(40, 4));
    }
    std::vector<std::string> names(const std::vector<TExportTarget>& targets) const {
        std::vector<std::string> found;
        for (const TExportTarget& target : targets) {
            EXPECT_EQ(target.Path.parent_path(), folder.Path());
            found.push_back(target.Path.filename().string());
        }
        return found;
    }

    TempFolder folder;
    TTextCodec codec;
    TCampaign campaign;
};

// The same names as the command line's extract gives, duplicates numbered.
TEST_F(FolderExport, NamesAreMadeSafeAndNumberedAsExtractNamesThem) {
    const auto targets = PlanFolderExport(campaign, folder.Path(), codec);
    EXPECT_EQ(names(targets),
              (std::vector<std::string>{"A.scn", "A (2).scn", "up.scn", "scenario-4.scn"}));
    EXPECT_EQ(CountExisting(targets), 0u);
}

TEST_F(FolderExport, ExistingFilesAreCountedThenReplacedOrSkipped) {
    for (const TExistingFiles answer : {TExistingFiles::Replace, TExistingFiles::Skip}) {
        WriteText(folder / "A (2).scn", "old");
        WriteText(folder / "up.scn", "old");
        const auto targets = PlanFolderExport(campaign, folder.Path(), codec);
        EXPECT_EQ(CountExisting(targets), 2u);
        const TExportResult result = ExportToFolder(campaign, targets, answer, goOn);
        const bool replaced = answer == TExistingFiles::Replace;
        EXPECT_EQ(result.Written, replaced ? 4u : 2u);
        const std::vector<std::uint8_t> old{'o', 'l', 'd'};
        EXPECT_EQ(ReadBytes(folder / "A (2).scn"), replaced ? bytesOf(20, 2) : old);
        EXPECT_EQ(ReadBytes(folder / "A.scn"), bytesOf(10, 1));
        EXPECT_EQ(ReadBytes(folder / "scenario-4.scn"), bytesOf(40, 4));
        EXPECT_EQ(folder.Names().size(), 4u);
        std::filesystem::remove(folder / "A.scn");
        std::filesystem::remove(folder / "scenario-4.scn");
    }
}

// Stopped in the middle of a file, the file goes; stopped between files, the earlier stay.
TEST_F(FolderExport, AStopLeavesOnlyCompleteFiles) {
    TCampaign big;
    append(big, "one.scn", bytesOf(9 << 20, 7));
    append(big, "two.scn", bytesOf(9 << 20, 8));
    const auto targets = PlanFolderExport(big, folder.Path(), codec);
    int calls = 0;
    const auto stopAt = [&calls](int call) {
        return [&calls, call](std::int64_t written, std::int64_t total) {
            EXPECT_LE(written, total);
            return ++calls < call;
        };
    };
    const TExportResult early = ExportToFolder(big, targets, TExistingFiles::Skip, stopAt(2));
    EXPECT_TRUE(early.Stopped);
    EXPECT_EQ(early.Written, 0u);
    EXPECT_TRUE(folder.Names().empty()) << "half of one.scn was written";

    calls = 0;
    const TExportResult later = ExportToFolder(big, targets, TExistingFiles::Skip, stopAt(5));
    EXPECT_EQ(later.Written, 1u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"one.scn"});
    EXPECT_EQ(ReadBytes(folder / "one.scn").size(), 9u << 20);
}

TEST_F(FolderExport, AnErrorNamesTheFile) {
    std::filesystem::create_directory(folder / "A.scn");
    const auto targets = PlanFolderExport(campaign, folder.Path(), codec);
    try {
        ExportToFolder(campaign, targets, TExistingFiles::Replace, goOn);
        ADD_FAILURE() << "a folder in the way was replaced";
    } catch (const ECampaignError& error) {
        EXPECT_NE(std::string(error.what()).find((folder / "A.scn").string()), std::string::npos)
            << error.what();
    }
}
