#include "XdgFolders.h"

#include <QDir>

namespace {

QString folderOrDefault(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    // The XDG base folder rules ignore relative paths.
    return QDir::isAbsolutePath(value) ? value : fallback;
}

QStringList foldersOrDefault(const char* variable, const QStringList& fallback) {
    QStringList folders;
    for (const QString& folder : qEnvironmentVariable(variable).split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    return folders.isEmpty() ? fallback : folders;
}

} // namespace

TXdgFolders TXdgFolders::FromEnvironment() {
    const QString home = QDir::homePath();
    return {folderOrDefault("XDG_DATA_HOME", home + QStringLiteral("/.local/share")),
            folderOrDefault("XDG_CONFIG_HOME", home + QStringLiteral("/.config")),
            foldersOrDefault("XDG_DATA_DIRS",
                             {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")}),
            foldersOrDefault("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")})};
}

QString TXdgFolders::StateHomeFromEnvironment() {
    return folderOrDefault("XDG_STATE_HOME", QDir::homePath() + QStringLiteral("/.local/state"));
}
