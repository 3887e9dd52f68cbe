// The order of the system calls that put a new file in place: its content must have reached
// the disk before it gets the target's name, or a crash could leave a named but empty file.
// The test program stands in for fsync, rename, renameat2 and linkat, noting each call before
// handing it on to the C library.
#include "FileIO.h"
#include "TempFolder.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> calls;

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

void note(const std::string& call, const char* to = nullptr) {
    calls.push_back(to ? call + " " + std::filesystem::path(to).filename().string() : call);
}

} // namespace

extern "C" {

int fsync(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        note("fsync");
    return next<int (*)(int)>("fsync")(fd);
}

int rename(const char* from, const char* to) {
    note("rename", to);
    return next<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    note("rename", to);
    return next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(
        fromFolder, from, toFolder, to, flags);
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
    note("link", to);
    return next<int (*)(int, const char*, int, const char*, int)>("linkat")(fromFolder, from,
                                                                            toFolder, to, flags);
}

} // extern "C"

TEST(SyncOrder, TheNewFileIsSyncedBeforeItTakesTheTargetsName) {
    TempFolder folder;
    for (const bool replaceExisting : {true, false}) {
        calls.clear();
        TAtomicFile file(folder / (replaceExisting ? "Replaced.cpn" : "New.cpn"));
        file.Write(std::vector<std::uint8_t>(100, 1));
        file.Commit(replaceExisting);
        const auto synced = std::find(calls.begin(), calls.end(), "fsync");
        const auto named = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
            return call.ends_with(".cpn");
        });
        ASSERT_NE(named, calls.end()) << "the file was put in place";
        EXPECT_LT(synced, named) << ::testing::PrintToString(calls);
    }
}
