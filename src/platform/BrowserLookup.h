#pragma once

#include "XdgFolders.h"

#include <QString>

// The command line of the desktop's default web browser: the Exec line of the desktop entry
// that the desktop opens https links with, else http links, else HTML files, each found as
// xdg-mime finds it (mimeapps.list in every XDG folder, then the programs that claim the type
// in the desktop entries' cache). Empty when the desktop knows no browser that is installed.
QString FindBrowserCommand(const TXdgFolders& folders = TXdgFolders::FromEnvironment());
