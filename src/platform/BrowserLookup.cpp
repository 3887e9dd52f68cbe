#include "BrowserLookup.h"

#include "DesktopEntry.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The mimeapps.list files in the order the desktop consults them, desktop-specific first.
QStringList mimeAppsLists(const TXdgFolders& folders) {
    QStringList prefixes;
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        prefixes << desktop.toLower() + u'-';
    prefixes << QString();

    QStringList configFolders{folders.ConfigHome};
    configFolders << folders.ConfigDirs;
    QStringList dataFolders{folders.DataHome};
    dataFolders << folders.DataDirs;

    QStringList lists;
    for (const QString& folder : configFolders)
        for (const QString& prefix : prefixes)
            lists << folder + u'/' + prefix + QStringLiteral("mimeapps.list");
    for (const QString& folder : dataFolders)
        for (const QString& prefix : prefixes)
            lists << folder + QStringLiteral("/applications/") + prefix +
                         QStringLiteral("mimeapps.list");
    return lists;
}

// The desktop entry file of a desktop file ID; "kde-foo.desktop" may live in kde/foo.desktop.
QString findDesktopFile(const TXdgFolders& folders, const QString& id) {
    QStringList dataFolders{folders.DataHome};
    dataFolders << folders.DataDirs;
    for (const QString& folder : dataFolders) {
        const QString applications = folder + QStringLiteral("/applications/");
        QString relative = id;
        for (;;) {
            if (QFileInfo(applications + relative).isFile())
                return applications + relative;
            const int dash = relative.indexOf(u'-');
            if (dash < 0)
                break;
            relative[dash] = u'/';
        }
    }
    return {};
}

QString execOf(const QString& desktopFile) {
    const QString exec = DesktopEntry::Value(readFile(desktopFile), QStringLiteral("Desktop Entry"),
                                             QStringLiteral("Exec"));
    return exec.isNull() ? QString() : exec;
}

} // namespace

QString FindBrowserCommand(const TXdgFolders& folders) {
    const QStringList lists = mimeAppsLists(folders);
    for (const QString& type :
         {QStringLiteral("text/html"), QStringLiteral("x-scheme-handler/http")}) {
        for (const QString& list : lists) {
            const QString ids =
                DesktopEntry::Value(readFile(list), QStringLiteral("Default Applications"), type);
            for (const QString& id : ids.split(u';', Qt::SkipEmptyParts)) {
                const QString file = findDesktopFile(folders, id.trimmed());
                const QString exec = file.isEmpty() ? QString() : execOf(file);
                if (!exec.isEmpty())
                    return exec;
            }
        }
    }
    return {};
}
