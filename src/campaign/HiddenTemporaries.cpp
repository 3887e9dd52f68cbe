#include "HiddenTemporaries.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <random>
#include <set>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Prefix = ".brindlewick\x7F";
constexpr std::size_t RandomLetters = 8;
constexpr int Attempts = 100;
constexpr std::chrono::seconds MinimumAge{60};

bool isHiddenTemporary(std::string_view name) {
    return name.size() == Prefix.size() + RandomLetters && name.starts_with(Prefix) &&
           std::all_of(name.begin() + Prefix.size(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

bool oldEnough(const struct stat& status) {
    const auto modified = std::chrono::system_clock::from_time_t(status.st_mtime);
    return std::chrono::system_clock::now() - modified >= MinimumAge;
}

// Removes one hidden file if it is a regular file that nobody holds.
void removeIfAbandoned(int folderFd, const char* name) {
    const int fd = ::openat(folderFd, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && oldEnough(status) &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlinkat(folderFd, name, 0);
    ::close(fd);
}

} // namespace

namespace HiddenTemporaries {

std::string NewName() {
    static constexpr char Letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(Letters) - 2);
    std::string name(Prefix);
    for (std::size_t i = 0; i < RandomLetters; ++i)
        name += Letters[pick(random)];
    return name;
}

int Create(const std::filesystem::path& folder, std::filesystem::path& path) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        path = folder / NewName();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

void RemoveAbandoned(const std::filesystem::path& folder) {
    static std::mutex mutex;
    static std::set<std::filesystem::path> seen;
    {
        const std::lock_guard lock(mutex);
        if (!seen.insert(folder).second)
            return;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing.get()))
        if (isHiddenTemporary(entry->d_name))
            removeIfAbandoned(::dirfd(listing.get()), entry->d_name);
}

} // namespace HiddenTemporaries
