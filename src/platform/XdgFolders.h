#pragma once

#include <QString>
#include <QStringList>

// The freedesktop base folders: where the user's own data and settings go, and where the
// system's are found.
struct TXdgFolders {
    QString DataHome;
    QString ConfigHome;
    QStringList DataDirs;
    QStringList ConfigDirs;

    // From $XDG_DATA_HOME, $XDG_CONFIG_HOME, $XDG_DATA_DIRS and $XDG_CONFIG_DIRS, with the
    // standard defaults under $HOME, /usr/local/share:/usr/share and /etc/xdg.
    static TXdgFolders FromEnvironment();
    // Where the user's state goes, what programs remember between runs: $XDG_STATE_HOME,
    // by default under $HOME.
    static QString StateHomeFromEnvironment();
};
