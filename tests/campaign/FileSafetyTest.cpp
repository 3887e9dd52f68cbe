// What real file systems hand the campaign library: special files, names at the length
// limit, read-only and foreign-owned files, other writers, names that are not UTF-8.
#include "CampaignLock.h"
#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "ErrorText.h"
#include "FileIO.h"
#include "FileNames.h"
#include "HiddenTemporaries.h"
#include "ScenarioPayload.h"
#include "TempFolder.h"
#include "Utils.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A test that would otherwise block forever ends the test program instead.
class HangGuard {
public:
    HangGuard() { ::alarm(60); }
    ~HangGuard() { ::alarm(0); }
};

struct stat statusOf(const std::filesystem::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status;
}

// Runs body in a child process and waits until it has said it is ready.
class ChildProcess {
public:
    explicit ChildProcess(const std::function<void()>& body) {
        int ready[2];
        if (::pipe(ready) != 0)
            throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            s_readyFd = ready[1];
            body();
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        [[maybe_unused]] const auto count = ::read(ready[0], &byte, 1);
        ::close(ready[0]);
    }
    // A child still running when the test is done is stopped.
    ~ChildProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    int Wait() {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static void SayReady() {
        const char byte = 1;
        [[maybe_unused]] const auto count = ::write(s_readyFd, &byte, 1);
    }

private:
    static inline int s_readyFd = -1;
    pid_t m_pid = -1;
};

// A child process that holds the campaign's lock until the test ends.
ChildProcess lockHolder(const std::filesystem::path& campaign) {
    return ChildProcess([&] {
        const TCampaignLock lock(campaign);
        ChildProcess::SayReady();
        ::pause();
    });
}

// Whether the folder's file system has unnamed files; where it has not, a killed writer
// leaves its short hidden name behind and only a signal it can catch removes it.
bool hasUnnamedFiles(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

TEST(SpecialFiles, AreRefusedAtOnceForCampaignsAndScenarios) {
    const HangGuard guard;
    TempFolder folder;
    const auto fifo = folder / "f.cpn";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const auto socketPath = folder / "s.scn";
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    std::filesystem::create_directory(folder / "d.scn");

    for (const std::filesystem::path& path :
         {fifo, socketPath, folder / "d.scn", std::filesystem::path("/dev/zero")}) {
        EXPECT_EQ(errorOf([&] { TInputFile file(path); }), "Cannot open file " + path.string());
        EXPECT_EQ(errorOf([&] { LoadCampaign(path); }), "Cannot open file " + path.string());
        TCampaign campaign;
        EXPECT_EQ(errorOf([&] { AddScenarioFile(campaign, path); }),
                  "Cannot open file " + path.string());
        EXPECT_EQ(campaign.Count(), 0u);
    }
    ::close(listening);
}

TEST(TemporaryNames, NeverMakeATargetNameTooLong) {
    TempFolder folder;
    const auto longest = folder / std::string(255, 'a');
    const auto campaign = folder / (std::string(251, 'c') + ".cpn");
    for (const bool replace : {false, true}) {
        TAtomicFile file(longest);
        file.Write(std::vector<std::uint8_t>(10, 1));
        file.Commit(replace);
        WriteCampaign(campaign, "T", {}, replace);
    }
    EXPECT_EQ(folder.Names().size(), 2u) << "no temporary file is left";
    EXPECT_EQ(ReadBytes(longest), std::vector<std::uint8_t>(10, 1));
}

TEST(TemporaryNames, AnUnfinishedFileLeavesNoNameBehind) {
    TempFolder folder;
    if (!hasUnnamedFiles(folder.Path()))
        GTEST_SKIP() << "the file system has no unnamed files";
    {
        TAtomicFile file(folder / "Camp.cpn");
        file.Write(std::vector<std::uint8_t>(1000, 7));
        EXPECT_EQ(folder.Names(), std::vector<std::string>{})
            << "the new content has no name until it is complete";
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{});
}

TEST(TemporaryNames, AKilledWriterLeavesNothing) {
    TempFolder folder;
    if (!hasUnnamedFiles(folder.Path()))
        GTEST_SKIP() << "the file system has no unnamed files";
    WriteText(folder / "Camp.cpn", "old content");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TAtomicFile file(folder / "Camp.cpn");
        file.Write(std::vector<std::uint8_t>(1 << 20, 7));
        std::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Camp.cpn"});
    const auto content = ReadBytes(folder / "Camp.cpn");
    EXPECT_EQ(std::string(content.begin(), content.end()), "old content");
}

TEST(TemporaryNames, FilesOfKilledWritersAreRemovedByTheNextWriterAndNoOtherFiles) {
    TempFolder folder;
    const auto makeOld = [&](const std::string& name) {
        WriteText(folder / name, "partial");
        const timespec anHourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ::utimensat(AT_FDCWD, (folder / name).c_str(), anHourAgo, 0);
    };
    const std::string abandoned = HiddenTemporaries::NewName();
    const std::string held = HiddenTemporaries::NewName();
    const std::string young = HiddenTemporaries::NewName();
    // What extract may make of a stored name is never taken for a temporary file.
    const std::string extracted = SafeFileName(HiddenTemporaries::NewName(), "x.scn");
    for (const std::string& name :
         {abandoned, held, extracted, std::string(".brindlewick-abcdefgh"),
          std::string(".other-hidden")})
        makeOld(name);
    WriteText(folder / young, "just created");
    const ChildProcess writer([&] {
        const int fd = ::open((folder / held).c_str(), O_RDONLY);
        ::flock(fd, LOCK_EX);
        ChildProcess::SayReady();
        ::pause();
    });
    // Also where the file system has unnamed files: a writer killed between naming its
    // finished file and renaming it leaves a whole copy.
    TAtomicFile next(folder / "Camp.cpn");
    auto expected =
        std::vector<std::string>{held, young, extracted, ".brindlewick-abcdefgh", ".other-hidden"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.Names(), expected);
}

TEST(FitFileName, ShortensToTheLimitKeepingTheExtensionAndWholeCharacters) {
    EXPECT_EQ(FitFileName("Demo.scn", 255), "Demo.scn");
    const std::string euros = [] {
        std::string text;
        for (int i = 0; i < 90; ++i)
            text += "\u20AC";
        return text;
    }();
    const std::string fitted = FitFileName(euros + ".scn", 255);
    EXPECT_LE(fitted.size(), 255u);
    EXPECT_EQ(fitted, euros.substr(0, 3 * 83) + ".scn");
    EXPECT_EQ(FitFileName(std::string(300, 'x'), 255), std::string(255, 'x'));
    EXPECT_EQ(FitFileName(std::string(256, 'y') + ".scn", 255, " (2)"),
              std::string(247, 'y') + " (2).scn");
    EXPECT_EQ(FitFileName("Name.scn", 255, " (2)"), "Name (2).scn");
}

TEST(StoredFileName, KeepsTheRawBytesOfANameThatIsNotUtf8) {
    const TTextCodec codec;
    EXPECT_EQ(StoredFileName("/tmp/caf\xE9.scn", codec), "caf\xE9.scn");
    EXPECT_EQ(StoredFileName("/tmp/caf\xC3\xA9.scn", codec), "caf\xE9.scn");
    EXPECT_EQ(StoredFileName("/tmp/\xE2\x82.scn", codec), "\xE2\x82.scn") << "cut sequence";
    EXPECT_EQ(StoredFileName("/tmp/\xC0\xAF.scn", codec), "\xC0\xAF.scn") << "overlong form";

    TempFolder folder;
    const auto path = folder / "caf\xE9.scn";
    WriteText(path, "1.18 payload");
    TCampaign campaign;
    AddScenarioFile(campaign, path, codec);
    InsertScenarioFile(campaign, 0, path, codec);
    ReplaceScenarioFile(campaign, 1, path, codec);
    for (const auto& entry : campaign.Entries()) {
        EXPECT_EQ(entry.FileName, "caf\xE9.scn");
        EXPECT_EQ(entry.Name, "caf\xE9");
    }
}

TEST(ExtractedFileName, KeepsStoredNamesDistinctAndReversible) {
    const TTextCodec codec;
    const struct {
        const char* Stored;
        const char* Extracted;
    } cases[] = {
        {"x\x81.scn", "x\x81.scn"},
        {"x\x8D.scn", "x\x8D.scn"},
        {"caf\xE9\x81.scn", "caf\xE9\x81.scn"},
        {"caf\xE9.scn", "caf\xC3\xA9.scn"},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(ExtractedFileName(entry.Stored, codec), entry.Extracted) << entry.Stored;
        EXPECT_EQ(StoredFileName(std::filesystem::path("/tmp") / entry.Extracted, codec), entry.Stored);
    }
}

TEST(SpecialFiles, AreNeverReplacedNorWrittenThroughADanglingLink) {
    const HangGuard guard;
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("fifo", folder / "to-fifo");
    std::filesystem::create_symlink("missing/none.cpn", folder / "dangling");
    for (const char* name : {"fifo", "to-fifo", "dangling"})
        EXPECT_EQ(errorOf([&] { WriteCampaign(folder / name, "T", {}); }),
                  "Cannot create file " + (folder / name).string());
    EXPECT_EQ(errorOf([&] {
                  TAtomicFile file(folder / "fifo", TAtomicFile::TLinks::Replace);
                  file.Commit();
              }),
              "Cannot create file " + (folder / "fifo").string());
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "to-fifo"));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"dangling", "fifo", "to-fifo"}));
}

TEST(ReadOnlyFiles, AreNotReplaced) {
    TempFolder folder;
    const auto target = folder / "Camp.cpn";
    WriteText(target, "old content");
    ::chmod(target.c_str(), 0444);
    const std::string refused = "Cannot create file " + target.string();
    EXPECT_EQ(errorOf([&] { WriteCampaign(target, "T", {}); }), refused);
    TCampaign campaign;
    EXPECT_EQ(errorOf([&] { SaveCampaign(campaign, target); }), refused);
    TScenario scenario;
    EXPECT_EQ(errorOf([&] { ExportScenario(scenario, target); }), refused);
    const auto content = ReadBytes(target);
    EXPECT_EQ(std::string(content.begin(), content.end()), "old content");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Camp.cpn"});
}

TEST(ReplacedFiles, KeepTheirOwnerGroupAndMode) {
    TempFolder folder;
    const auto target = folder / "Camp.cpn";
    WriteText(target, "old content");
    ::chmod(target.c_str(), 0640);
    // Only root can give a file away; anyone else checks that their own file stays theirs.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(target.c_str(), 4242, 4343), 0);
    }
    const struct stat before = statusOf(target);
    WriteCampaign(target, "T", {});
    const struct stat after = statusOf(target);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_size, 264);
}

TEST(CampaignLock, ASecondWriterWaitsABoundedTimeAndNamesTheFile) {
    TempFolder folder;
    const auto campaign = folder / "Camp.cpn";
    WriteCampaign(campaign, "T", {});
    {
        const ChildProcess holder = lockHolder(campaign);
        const auto start = std::chrono::steady_clock::now();
        const std::string error =
            errorOf([&] { TCampaignLock lock(campaign, std::chrono::milliseconds(300)); });
        EXPECT_EQ(error, "Cannot lock file " + campaign.string() +
                             ": another program is changing it");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    }
    const TCampaignLock free(campaign, std::chrono::milliseconds(0));
}

TEST(CampaignLock, AWaitingWriterLocksTheFileThatReplacedTheOneItWaitedFor) {
    TempFolder folder;
    const auto campaign = folder / "Camp.cpn";
    WriteCampaign(campaign, "first", {});
    const ChildProcess writer([&] {
        const TCampaignLock lock(campaign);
        ChildProcess::SayReady();
        ::usleep(300000);
        WriteCampaign(campaign, "second", {});
    });
    const TCampaignLock lock(campaign);
    const auto content = ReadBytes(campaign);
    EXPECT_EQ(std::string(content.begin() + 4, content.begin() + 10), std::string("second"));
    // The lock is on the file now at the path: another writer cannot take it.
    ChildProcess other([&] {
        const bool refused =
            errorOf([&] { TCampaignLock second(campaign, std::chrono::milliseconds(0)); }) !=
            "no error";
        ChildProcess::SayReady();
        ::_exit(refused ? 0 : 1);
    });
    EXPECT_EQ(other.Wait(), 0);
}

TEST(CampaignLock, SavingTheModelWaitsForAnotherWriter) {
    TempFolder folder;
    const auto campaign = folder / "Camp.cpn";
    WriteCampaign(campaign, "T", {});
    const ChildProcess holder = lockHolder(campaign);
    TCampaign model;
    EXPECT_EQ(errorOf([&] { SaveCampaign(model, campaign); }),
              "Cannot lock file " + campaign.string() + ": another program is changing it");
}
