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
    // Where the user's state goes: what the program remembers between runs.
    QString StateHome;

    // From $XDG_DATA_HOME, $XDG_CONFIG_HOME, $XDG_DATA_DIRS, $XDG_CONFIG_DIRS and
    // $XDG_STATE_HOME, with the standard defaults under $HOME, /usr/local/share:/usr/share
    // and /etc/xdg.
    static TXdgFolders FromEnvironment();
};
