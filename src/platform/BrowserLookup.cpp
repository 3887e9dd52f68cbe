#include "BrowserLookup.h"

#include "DesktopEntry.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

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

// A key file that names programs for types, and the group it names them in.
struct TTypeSource {
    QString File;
    QString Group;
};

// Where xdg-mime looks, in its order: the defaults of every mimeapps.list, then each data
// folder's older defaults.list and the cache in which update-desktop-database gathered the
// types the installed programs claim.
std::vector<TTypeSource> typeSources(const TXdgFolders& folders) {
    const QString defaults = QStringLiteral("Default Applications");
    std::vector<TTypeSource> sources;
    for (const QString& list : mimeAppsLists(folders))
        sources.push_back({list, defaults});
    QStringList dataFolders{folders.DataHome};
    dataFolders << folders.DataDirs;
    for (const QString& folder : dataFolders) {
        sources.push_back({folder + QStringLiteral("/applications/defaults.list"), defaults});
        sources.push_back({folder + QStringLiteral("/applications/mimeinfo.cache"),
                           QStringLiteral("MIME Cache")});
    }
    return sources;
}

// The Exec line of the first installed program that the source names for the type.
QString firstInstalled(const TXdgFolders& folders, const TTypeSource& source, const QString& type) {
    const QString ids = DesktopEntry::Value(readFile(source.File), source.Group, type);
    for (const QString& id : ids.split(u';', Qt::SkipEmptyParts)) {
        const QString desktopFile = findDesktopFile(folders, id.trimmed());
        const QString exec = desktopFile.isEmpty() ? QString() : execOf(desktopFile);
        if (!exec.isEmpty())
            return exec;
    }
    return {};
}

} // namespace

QString FindBrowserCommand(const TXdgFolders& folders) {
    const std::vector<TTypeSource> sources = typeSources(folders);
    // The program's addresses are https links; an older desktop may name only a handler of
    // http links or of HTML files.
    for (const QString& type :
         {QStringLiteral("x-scheme-handler/https"), QStringLiteral("x-scheme-handler/http"),
          QStringLiteral("text/html")})
        for (const TTypeSource& source : sources) {
            const QString exec = firstInstalled(folders, source, type);
            if (!exec.isEmpty())
                return exec;
        }
    return {};
}
