#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

// File names cross between Qt and the campaign library in the file system's own encoding.
inline std::filesystem::path ToFileSystemPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}
