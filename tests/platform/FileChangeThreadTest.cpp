#include "FileChangeThread.h"

#include "EventLoop.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <QDir>
#include <QPointer>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/inotify.h>

namespace {

constexpr ChangeKinds kAllKinds = TChangeKind::FileName | TChangeKind::DirName |
                                  TChangeKind::Attributes | TChangeKind::Size |
                                  TChangeKind::LastWrite;

struct Calls {
    int count = 0;
    bool onGuiThread = false;
    bool aborted = true;
    bool handleOpen = true;
};

TFileChangeThread* watch(const QString& directory, ChangeKinds kinds, Calls& calls) {
    TFileChangeThread* watcher = TFileChangeThread::Create(directory, false, kinds);
    watcher->setOnTerminate([&calls](TFileChangeThread* sender) {
        ++calls.count;
        calls.onGuiThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        calls.aborted = sender->Aborted();
        calls.handleOpen = sender->HandleOpen();
    });
    return watcher;
}

// Context switches of the process's watcher threads (named after their class, cut to the
// fifteen characters the kernel keeps).
long watcherSwitches() {
    long total = 0;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs)) {
        const std::string folder = "/proc/self/task/" + task.toStdString();
        std::string name;
        std::getline(std::ifstream(folder + "/comm"), name);
        if (name != "TFileChangeThre")
            continue;
        std::ifstream status(folder + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.find("ctxt_switches:") != std::string::npos)
                total += std::stol(line.substr(line.find(':') + 1));
        }
    }
    return total;
}

class FileChangeThreadTest : public ::testing::Test {
protected:
    TempFolder temp;
    void TearDown() override {
        EXPECT_TRUE(WaitFor([] { return TFileChangeThread::RunningCount() == 0; }));
        Settle(20);
    }
};

TEST_F(FileChangeThreadTest, OneNoticeRunsTheHandlerOnTheGuiThreadThenFreesItself) {
    Calls calls;
    QPointer<TFileChangeThread> watcher = watch(temp.path(), kAllKinds, calls);
    ASSERT_TRUE(WaitFor([&] { return watcher && watcher->HandleOpen(); }));
    temp.makeFile(QStringLiteral("new.scn"));
    ASSERT_TRUE(WaitFor([&] { return calls.count > 0; }));
    EXPECT_TRUE(calls.onGuiThread);
    EXPECT_FALSE(calls.aborted);
    EXPECT_FALSE(calls.handleOpen);
    EXPECT_TRUE(WaitFor([&] { return watcher.isNull(); }));
    temp.makeFile(QStringLiteral("second.scn"));
    Settle(100);
    EXPECT_EQ(calls.count, 1);
}

TEST_F(FileChangeThreadTest, IdleWatcherSleepsUntilAChangeOrATerminateRequest) {
    Calls calls;
    QPointer<TFileChangeThread> watcher = watch(temp.path(), kAllKinds, calls);
    ASSERT_TRUE(WaitFor([&] { return watcher && watcher->HandleOpen(); }));
    QThread::msleep(50);
    const long before = watcherSwitches();
    QThread::msleep(300);
    EXPECT_LE(watcherSwitches() - before, 1);
    watcher->Terminate();
    EXPECT_TRUE(WaitFor([&] { return watcher.isNull(); }, 1000));
    EXPECT_EQ(calls.count, 0);
}

TEST_F(FileChangeThreadTest, MissingFolderEndsAtOnceWithoutCallback) {
    Calls calls;
    QPointer<TFileChangeThread> watcher =
        watch(temp.path(QStringLiteral("missing")), kAllKinds, calls);
    ASSERT_TRUE(WaitFor([&] { return watcher.isNull() || watcher->isFinished(); }, 1000));
    if (watcher) {
        EXPECT_TRUE(watcher->Aborted());
        EXPECT_NE(watcher->ExitCode(), 0);
    }
    Settle(50);
    EXPECT_EQ(calls.count, 0);
    EXPECT_TRUE(watcher.isNull());
}

TEST_F(FileChangeThreadTest, TerminatedWatcherNeverCallsBack) {
    Calls calls;
    QPointer<TFileChangeThread> watcher = watch(temp.path(), kAllKinds, calls);
    ASSERT_TRUE(WaitFor([&] { return watcher && watcher->HandleOpen(); }));
    watcher->Terminate();
    temp.makeFile(QStringLiteral("after.scn"));
    EXPECT_TRUE(WaitFor([&] { return watcher.isNull(); }, 1000));
    EXPECT_EQ(calls.count, 0);
}

TEST_F(FileChangeThreadTest, ChangeDuringTheLastWaitStillGivesNoCallback) {
    Calls calls;
    QPointer<TFileChangeThread> watcher = watch(temp.path(), kAllKinds, calls);
    ASSERT_TRUE(WaitFor([&] { return watcher && watcher->HandleOpen(); }));
    // The change reaches the worker before the GUI thread looks at its events again; the
    // terminate request set now must still win.
    temp.makeFile(QStringLiteral("race.scn"));
    QThread::msleep(40);
    watcher->Terminate();
    EXPECT_TRUE(WaitFor([&] { return watcher.isNull(); }, 1000));
    EXPECT_EQ(calls.count, 0);
}

TEST_F(FileChangeThreadTest, DirNameKindIgnoresFilesButSeesFolders) {
    Calls calls;
    QPointer<TFileChangeThread> watcher =
        watch(temp.path(), static_cast<ChangeKinds>(TChangeKind::DirName), calls);
    ASSERT_TRUE(WaitFor([&] { return watcher && watcher->HandleOpen(); }));
    temp.makeFile(QStringLiteral("file.txt"));
    Settle(100);
    EXPECT_EQ(calls.count, 0);
    temp.makeFolder(QStringLiteral("folder"));
    EXPECT_TRUE(WaitFor([&] { return calls.count == 1; }));
}

TEST_F(FileChangeThreadTest, DeletingTheWatchedFolderIsANotice) {
    Calls calls;
    const QString folder = temp.makeFolder(QStringLiteral("doomed"));
    QPointer<TFileChangeThread> watcher =
        watch(folder, static_cast<ChangeKinds>(TChangeKind::DirName), calls);
    ASSERT_TRUE(WaitFor([&] { return watcher && watcher->HandleOpen(); }));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_TRUE(WaitFor([&] { return calls.count == 1; }));
}

TEST_F(FileChangeThreadTest, SubtreeWatchSeesChangesBelow) {
    const QString deep = temp.makeFolder(QStringLiteral("a/b"));
    Calls calls;
    QPointer<TFileChangeThread> watcher = TFileChangeThread::Create(temp.path(), true, kAllKinds);
    watcher->setOnTerminate([&calls](TFileChangeThread*) { ++calls.count; });
    ASSERT_TRUE(WaitFor([&] { return watcher && watcher->HandleOpen(); }));
    temp.makeFile(QStringLiteral("a/b/deep.scn"));
    EXPECT_TRUE(WaitFor([&] { return calls.count == 1; }));
}

TEST(InotifyMask, KindsMapToEvents) {
    EXPECT_TRUE(InotifyMaskFor(static_cast<ChangeKinds>(TChangeKind::FileName)) & IN_CREATE);
    EXPECT_FALSE(InotifyMaskFor(static_cast<ChangeKinds>(TChangeKind::FileName)) & IN_MODIFY);
    // A file being written is one change when it is closed, not one per write.
    EXPECT_TRUE(InotifyMaskFor(static_cast<ChangeKinds>(TChangeKind::Size)) & IN_CLOSE_WRITE);
    EXPECT_FALSE(InotifyMaskFor(TChangeKind::Size | TChangeKind::LastWrite) & IN_MODIFY);
    EXPECT_TRUE(InotifyMaskFor(static_cast<ChangeKinds>(TChangeKind::Attributes)) & IN_ATTRIB);
    EXPECT_TRUE(InotifyMaskFor(static_cast<ChangeKinds>(TChangeKind::Security)) & IN_ATTRIB);
    EXPECT_TRUE(InotifyMaskFor(static_cast<ChangeKinds>(TChangeKind::LastWrite)) & IN_CLOSE_WRITE);
    EXPECT_TRUE(InotifyMaskFor(0) & IN_DELETE_SELF);
    EXPECT_EQ(static_cast<std::uint32_t>(TChangeKind::Security), 0x100u);
}

} // namespace
