#pragma once

#include "XdgFolders.h"

#include <QString>

// The command line of the desktop's default web browser: the Exec line of the desktop entry
// that mimeapps.list names for HTML files or, failing that, for http links. Empty when the
// desktop names no browser that is installed.
QString FindBrowserCommand(const TXdgFolders& folders = TXdgFolders::FromEnvironment());
