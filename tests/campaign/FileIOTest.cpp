#include "CampaignError.h"
#include "FileIO.h"
#include "TempFolder.h"
#include "TemporaryFiles.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(AtomicFile, AnInterruptedWriteLeavesNoTemporaryFile) {
    TempFolder folder;
    WriteText(folder / "Camp.cpn", "old content");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TemporaryFiles::RemoveOnTermination();
        TAtomicFile file(folder / "Camp.cpn");
        file.Write(std::vector<std::uint8_t>(1000, 7));
        std::raise(SIGTERM);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Camp.cpn"});
    const auto content = ReadBytes(folder / "Camp.cpn");
    EXPECT_EQ(std::string(content.begin(), content.end()), "old content");
}

TEST(AtomicFile, CommitWithoutReplacingRefusesAnExistingFile) {
    TempFolder folder;
    WriteText(folder / "Taken.scn", "mine");
    {
        TAtomicFile file(folder / "Taken.scn");
        file.Write(std::vector<std::uint8_t>(3, 1));
        EXPECT_THROW(file.Commit(false), ECampaignError);
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Taken.scn"});
    TAtomicFile file(folder / "Free.scn");
    file.Write(std::vector<std::uint8_t>(3, 1));
    file.Commit(false);
    EXPECT_EQ(ReadBytes(folder / "Free.scn"), std::vector<std::uint8_t>(3, 1));
}

TEST(AtomicFile, CopiesRangesOfAnotherFile) {
    TempFolder folder;
    std::vector<std::uint8_t> source(3 << 20);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<std::uint8_t>(i * 7);
    WriteBytes(folder / "Source", source);
    const TInputFile input(folder / "Source");
    TAtomicFile file(folder / "Copy");
    file.CopyFrom(input, 5, (2 << 20) + 3);
    EXPECT_THROW(file.CopyFrom(input, 1 << 20, 3 << 20), ECampaignError) << "past the end of the source";
    file.Commit();
    const auto copy = ReadBytes(folder / "Copy");
    ASSERT_EQ(copy.size(), (2u << 20) + 3);
    EXPECT_TRUE(std::equal(copy.begin(), copy.end(), source.begin() + 5));
}
