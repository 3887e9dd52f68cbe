#pragma once

#include <QString>
#include <filesystem>

// Test paths as Qt strings.
inline QString QtPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
