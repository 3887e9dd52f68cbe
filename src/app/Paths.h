#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

// File names cross between Qt and the campaign library in the file system's own encoding.
inline std::filesystem::path ToFileSystemPath(const QByteArray& nativePath) {
    return std::filesystem::path(nativePath.toStdString());
}

inline std::filesystem::path ToFileSystemPath(const QString& path) {
    return ToFileSystemPath(QFile::encodeName(path));
}
