#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// An in-memory file with a path, so that the readers see the bytes as they would on disk.
class MemoryFile {
public:
    MemoryFile(const std::uint8_t* data, std::size_t size) : m_fd(::memfd_create("campaign", 0)) {
        for (std::size_t done = 0; done < size;) {
            const ssize_t written = ::write(m_fd, data + done, size - done);
            if (written <= 0)
                break;
            done += static_cast<std::size_t>(written);
        }
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string Path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

private:
    int m_fd;
};
