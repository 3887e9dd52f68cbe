#include "FileFacts.h"

#include <QList>
#include <sys/stat.h>
#include <unistd.h>

std::optional<TFileFacts> ReadFileFacts(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return std::nullopt;
    TFileFacts facts;
    facts.isLink = S_ISLNK(info.st_mode);
    if (facts.isLink) {
        struct stat target {};
        if (::stat(path.constData(), &target) == 0)
            info = target;
        else
            info.st_size = 0;
    }
    facts.isDirectory = S_ISDIR(info.st_mode);
    facts.isRegular = S_ISREG(info.st_mode) || (facts.isLink && !facts.isDirectory);
    facts.isWritable = (info.st_mode & S_IWUSR) != 0;
    facts.size = facts.isRegular ? static_cast<std::int64_t>(info.st_size) : 0;
    facts.modifiedSeconds = info.st_mtim.tv_sec;
    facts.modifiedNanoseconds = info.st_mtim.tv_nsec;
    facts.changedSeconds = info.st_ctim.tv_sec;
    facts.changedNanoseconds = info.st_ctim.tv_nsec;
    return facts;
}

bool IsHiddenName(const QByteArray& fileName) {
    return fileName.startsWith('.');
}

bool IsWritableDirectory(const QByteArray& path) {
    return ::access(path.constData(), W_OK | X_OK) == 0;
}

QByteArray JoinPath(const QByteArray& directory, const QByteArray& name) {
    if (directory.endsWith('/'))
        return directory + name;
    return directory + '/' + name;
}

QByteArray CleanNativePath(const QByteArray& path) {
    if (!path.startsWith('/'))
        return {};
    QList<QByteArray> kept;
    for (const QByteArray& part : path.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        kept.append(part);
    }
    return '/' + kept.join('/');
}
