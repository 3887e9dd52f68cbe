#include "FileIO.h"

#include "CampaignError.h"
#include "TemporaryFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t CopyChunk = 1 << 20;

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

void writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw CampaignErrors::StreamWrite();
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void syncFolderOf(const std::filesystem::path& file) {
    const auto folder =
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

TInputFile::TInputFile(const std::filesystem::path& path) : m_path(path) {
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (m_fd < 0 || ::fstat(m_fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        if (m_fd >= 0)
            ::close(m_fd);
        throw CampaignErrors::CannotOpen(path.string());
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
        if (count <= 0)
            throw CampaignErrors::StreamRead();
        done += static_cast<std::size_t>(count);
    }
}

TAtomicFile::TAtomicFile(const std::filesystem::path& target, TLinks links) : m_target(target) {
    std::error_code ignored;
    if (links == TLinks::Follow && std::filesystem::is_symlink(target, ignored))
        m_target = std::filesystem::canonical(target, ignored);
    if (m_target.empty())
        throw CampaignErrors::CannotCreate(target.string());
    const auto folder = m_target.parent_path();
    std::string pattern = (folder / ("." + m_target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0)
        throw CampaignErrors::CannotCreate(target.string());
    m_temporary = name.data();
    m_cleanupSlot = TemporaryFiles::Register(name.data());
}

TAtomicFile::~TAtomicFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed)
        ::unlink(m_temporary.c_str());
    TemporaryFiles::Unregister(m_cleanupSlot);
}

void TAtomicFile::Write(std::span<const std::uint8_t> bytes) {
    writeAll(m_fd, bytes.data(), bytes.size());
}

void TAtomicFile::CopyFrom(const TInputFile& source, std::int64_t offset, std::int64_t length) {
    if (offset < 0 || length < 0 || offset > source.Length() - length)
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
        writeAll(m_fd, buffer.data(), count);
        in += static_cast<off_t>(count);
        left -= static_cast<std::int64_t>(count);
    }
}

bool TAtomicFile::replace() const {
    return ::rename(m_temporary.c_str(), m_target.c_str()) == 0;
}

bool TAtomicFile::createNew() const {
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

void TAtomicFile::Commit(bool replaceExisting) {
    struct stat existing {};
    const bool targetExists = ::lstat(m_target.c_str(), &existing) == 0;
    if (targetExists && !replaceExisting)
        throw CampaignErrors::CannotCreate(m_target.string());
    const bool keepMode = targetExists && S_ISREG(existing.st_mode);
    const mode_t mode = keepMode ? (existing.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(m_fd, mode) != 0 || ::fsync(m_fd) != 0)
        throw CampaignErrors::StreamWrite();
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        throw CampaignErrors::StreamWrite();
    if (!(replaceExisting ? replace() : createNew()))
        throw CampaignErrors::CannotCreate(m_target.string());
    m_committed = true;
    syncFolderOf(m_target);
}
