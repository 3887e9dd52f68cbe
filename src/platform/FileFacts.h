#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// What one lstat/stat pair tells about a path. A symbolic link reports its target's kind,
// size and time; a dangling link counts as a plain file of size 0.
struct TFileFacts {
    bool isDirectory = false;
    bool isRegular = false;
    bool isLink = false;
    bool isWritable = false;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    // When the item itself last changed (its mode or owner too).
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;
    bool operator==(const TFileFacts&) const = default;
};

std::optional<TFileFacts> ReadFileFacts(const QByteArray& path);

bool IsHiddenName(const QByteArray& fileName);
bool IsWritableDirectory(const QByteArray& path);
QByteArray JoinPath(const QByteArray& directory, const QByteArray& name);
// An absolute path with "." and empty parts dropped and ".." resolved by name, as bytes
// (no text round trip); empty for a relative path.
QByteArray CleanNativePath(const QByteArray& path);
