#include "CampaignLock.h"

#include "CampaignError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds RetryPause{50};

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True when fd is still the file at path, so that its lock guards what the path names.
bool stillAtPath(int fd, const std::filesystem::path& path) {
    struct stat locked {};
    struct stat current {};
    return ::fstat(fd, &locked) == 0 && ::stat(path.c_str(), &current) == 0 &&
           sameFile(locked, current);
}

} // namespace

TCampaignLock::TCampaignLock(const std::filesystem::path& campaign,
                             std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Only a regular file is locked: opening a device can have effects of its own, and
        // nothing but a regular file is ever replaced.
        struct stat status {};
        if (::stat(campaign.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
            return;
        // Without blocking, so that a FIFO put at the path meanwhile cannot stop us here.
        m_fd = ::open(campaign.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd < 0)
            return;
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            if (stillAtPath(m_fd, campaign))
                return;
            // Another writer replaced the file while we waited: lock the new one.
            ::close(m_fd);
            continue;
        }
        const int error = errno;
        ::close(m_fd);
        m_fd = -1;
        if (error != EWOULDBLOCK && error != EINTR)
            return;
        if (std::chrono::steady_clock::now() >= deadline)
            throw ECampaignError("Cannot lock file " + campaign.string() +
                                 ": another program is changing it");
        std::this_thread::sleep_for(RetryPause);
    }
}

TCampaignLock::~TCampaignLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}
