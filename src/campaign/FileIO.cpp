#include "FileIO.h"

#include "CampaignError.h"
#include "HiddenTemporaries.h"
#include "TemporaryFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t CopyChunk = 1 << 20;

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

void writeAll(int fd, const std::uint8_t* data, std::size_t size,
              const std::filesystem::path& target) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw CampaignErrors::StreamWrite(target.string(), written < 0 ? errno : EIO);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

void syncFolderOf(const std::filesystem::path& file) {
    const int fd = ::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Whether the user may write the file, which decides whether a save may replace it (renaming
// over it needs only a writable folder). Root may write anything, so for root a file whose
// mode grants nobody write permission counts as read-only, as it does for editors and rm.
bool mayWrite(const std::filesystem::path& path, const struct stat& status) {
    if (::geteuid() == 0)
        return (status.st_mode & 0222) != 0;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Where a save may put its file: the file a symbolic link names, found whole now, so that a
// dangling link is refused (as cp refuses to write through one) rather than replaced.
std::filesystem::path followedTarget(const std::filesystem::path& target) {
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error))
        return target;
    const auto followed = std::filesystem::canonical(target, error);
    if (error == std::errc::no_such_file_or_directory)
        throw CampaignErrors::CannotCreate(target.string(), "a symbolic link to a missing file");
    if (error)
        throw CampaignErrors::CannotCreate(target.string(), error.message());
    return followed;
}

// Gives the unnamed file open as fd the name path; fails when path exists.
bool linkUnnamed(int fd, const std::filesystem::path& path) {
    if (::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // Without the capability AT_EMPTY_PATH needs, the link goes through /proc.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

} // namespace

// Opened without blocking and checked to be a regular file before anything is read, so that
// a FIFO, a socket, a device or a folder is refused at once instead of hanging or streaming
// without end.
TInputFile::TInputFile(const std::filesystem::path& path) : m_path(path) {
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (m_fd < 0)
        throw CampaignErrors::CannotOpen(path.string(), CampaignErrors::Reason(errno));
    if (::fstat(m_fd, &status) != 0) {
        const int error = errno;
        ::close(m_fd);
        throw CampaignErrors::CannotOpen(path.string(), CampaignErrors::Reason(error));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(m_fd);
        throw CampaignErrors::CannotOpen(path.string(), S_ISDIR(status.st_mode)
                                                            ? CampaignErrors::Reason(EISDIR)
                                                            : "not a regular file");
    }
    m_length = status.st_size;
}

TInputFile::~TInputFile() {
    ::close(m_fd);
}

void TInputFile::ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t count = ::pread(m_fd, buffer.data() + done, buffer.size() - done,
                                      static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw CampaignErrors::StreamRead(m_path.string(), errno);
        if (count == 0)
            throw CampaignErrors::StreamRead();
        done += static_cast<std::size_t>(count);
    }
}

TAtomicFile::TAtomicFile(const std::filesystem::path& target, TLinks links)
    : m_target(links == TLinks::Follow ? followedTarget(target) : target), m_shownTarget(target) {
    requireReplaceable();

    // A writer killed while its file had a hidden name left it behind, whichever kind.
    const auto folder = folderOf(m_target);
    HiddenTemporaries::RemoveAbandoned(folder);
    // An unnamed file needs no name that could be too long, and vanishes with the process
    // however it ends; file systems without them get a short hidden name.
    m_fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (m_fd >= 0)
        return;
    m_fd = HiddenTemporaries::Create(folder, m_temporary);
    if (m_fd < 0)
        throw CampaignErrors::CannotCreate(target.string(), CampaignErrors::Reason(errno));
    m_cleanupSlot = TemporaryFiles::Register(m_temporary.c_str());
}

TAtomicFile::~TAtomicFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temporary.empty())
        ::unlink(m_temporary.c_str());
    TemporaryFiles::Unregister(m_cleanupSlot);
}

// Only a regular file, or nothing, may be replaced: never a device, FIFO, socket or folder.
// A symbolic link is replaced itself only where the caller asked for that.
void TAtomicFile::requireReplaceable() const {
    struct stat existing {};
    if (::lstat(m_target.c_str(), &existing) != 0 || S_ISLNK(existing.st_mode))
        return;
    if (!S_ISREG(existing.st_mode))
        throw CampaignErrors::CannotCreate(m_shownTarget.string(), "not a regular file");
    if (!mayWrite(m_target, existing))
        throw CampaignErrors::CannotCreate(m_shownTarget.string(), CampaignErrors::Reason(EACCES));
}

void TAtomicFile::Write(std::span<const std::uint8_t> bytes) {
    writeAll(m_fd, bytes.data(), bytes.size(), m_target);
}

void TAtomicFile::CopyFrom(const TInputFile& source, std::int64_t offset, std::int64_t length) {
    if (offset < 0 || length < 0 || (length > 0 && offset > source.Length() - length))
        throw CampaignErrors::StreamRead();
    off_t in = static_cast<off_t>(offset);
    std::int64_t left = length;
    while (left > 0) {
        const ssize_t copied =
            ::copy_file_range(source.Descriptor(), &in, m_fd, nullptr,
                              static_cast<std::size_t>(std::min<std::int64_t>(left, 1 << 30)), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied <= 0)
            break;
        left -= copied;
    }
    // Where the kernel cannot copy between these files, copy through a buffer.
    std::vector<std::uint8_t> buffer;
    while (left > 0) {
        if (buffer.empty())
            buffer.resize(CopyChunk);
        const auto count = static_cast<std::size_t>(std::min<std::int64_t>(left, CopyChunk));
        source.ReadAt(in, std::span(buffer.data(), count));
        writeAll(m_fd, buffer.data(), count, m_target);
        in += static_cast<off_t>(count);
        left -= static_cast<std::int64_t>(count);
    }
}

bool TAtomicFile::replace() {
    if (!m_temporary.empty())
        return ::rename(m_temporary.c_str(), m_target.c_str()) == 0;
    // An unnamed file cannot be renamed over the target: it gets a short hidden name first,
    // held like the fallback's so that no other writer takes it for abandoned.
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = folderOf(m_target) / HiddenTemporaries::NewName();
        if (linkUnnamed(m_fd, m_temporary)) {
            m_cleanupSlot = TemporaryFiles::Register(m_temporary.c_str());
            return ::rename(m_temporary.c_str(), m_target.c_str()) == 0;
        }
        if (errno != EEXIST)
            break;
    }
    m_temporary.clear();
    return false;
}

bool TAtomicFile::createNew() const {
    if (m_temporary.empty())
        return linkUnnamed(m_fd, m_target);
    if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_target.c_str(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without an exclusive rename: a hard link fails just as well when the
    // target exists.
    if (::link(m_temporary.c_str(), m_target.c_str()) != 0)
        return false;
    ::unlink(m_temporary.c_str());
    return true;
}

void TAtomicFile::keepOwnerAndMode() const {
    struct stat existing {};
    const bool replacing = ::lstat(m_target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    if (!replacing) {
        if (::fchmod(m_fd, 0666 & ~currentUmask()) != 0)
            throw CampaignErrors::StreamWrite(m_target.string(), errno);
        return;
    }
    // Only root may give a file to someone else; anyone else keeps what they can (their
    // file stays theirs, the group where they belong to it).
    if (::fchown(m_fd, existing.st_uid, existing.st_gid) != 0 && errno != EPERM)
        throw CampaignErrors::StreamWrite(m_target.string(), errno);
    // After the owner, because changing the owner clears the set-id bits.
    if (::fchmod(m_fd, existing.st_mode & 07777) != 0)
        throw CampaignErrors::StreamWrite(m_target.string(), errno);
}

void TAtomicFile::Commit(bool replaceExisting) {
    struct stat existing {};
    if (!replaceExisting && ::lstat(m_target.c_str(), &existing) == 0)
        throw CampaignErrors::CannotCreate(m_target.string(), CampaignErrors::Reason(EEXIST));
    // Looked at again: the target may have changed while the content was written.
    requireReplaceable();
    keepOwnerAndMode();
    if (::fsync(m_fd) != 0)
        throw CampaignErrors::StreamWrite(m_target.string(), errno);
    if (!(replaceExisting ? replace() : createNew()))
        throw CampaignErrors::CannotCreate(m_target.string(), CampaignErrors::Reason(errno));
    m_committed = true;
    // The content reached the disk with fsync and is in place: closing cannot lose it.
    ::close(std::exchange(m_fd, -1));
    syncFolderOf(m_target);
}
