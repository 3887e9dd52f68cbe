#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// A regular file opened for reading, closed when the object goes. Errors carry the system's
// texts.
class TInputFile {
public:
    // Throws "Cannot open file <path>", at once also for a FIFO, socket, device or folder.
    explicit TInputFile(const std::filesystem::path& path);
    ~TInputFile();
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::int64_t Length() const { return m_length; }
    int Descriptor() const { return m_fd; }

    // Reads exactly buffer.size() bytes at offset; "Stream read error" when the file ends
    // sooner or the read fails.
    void ReadAt(std::int64_t offset, std::span<std::uint8_t> buffer) const;

private:
    std::filesystem::path m_path;
    int m_fd = -1;
    std::int64_t m_length = 0;
};

// A file written in one piece: the bytes go to an unnamed file in the target's folder (or,
// where the file system has none, to a short hidden name there), which replaces the target
// only on Commit, after it has reached the disk, with the target's owner, group and mode. If
// the object goes without Commit, nothing is left and the target is as it was.
class TAtomicFile {
public:
    // Saving through a symbolic link normally replaces the file it points at; extracting
    // into a folder replaces the link itself, so that nothing is written outside the folder.
    enum class TLinks { Follow, Replace };

    // Throws "Cannot create file <target>", also when the target is a file the user may
    // not write, anything but a regular file (a device, FIFO, socket or folder), or a
    // symbolic link that names no file.
    explicit TAtomicFile(const std::filesystem::path& target, TLinks links = TLinks::Follow);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Throw "Stream write error".
    void Write(std::span<const std::uint8_t> bytes);
    // Copies length bytes from source at offset, in the kernel where it can.
    void CopyFrom(const TInputFile& source, std::int64_t offset, std::int64_t length);

    // With replaceExisting false, an existing target is never touched and "Cannot create
    // file <target>" is thrown instead.
    void Commit(bool replaceExisting = true);

private:
    void requireReplaceable() const;
    bool replace();
    bool createNew() const;
    void keepOwnerAndMode() const;

    std::filesystem::path m_target;
    std::filesystem::path m_shownTarget; // as the caller named it, for messages
    std::filesystem::path m_temporary;
    int m_fd = -1;
    int m_cleanupSlot = -1;
    bool m_committed = false;
};
