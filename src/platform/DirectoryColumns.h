#pragma once

#include "XdgFolders.h"

#include <QString>
#include <array>

// The file list's default column widths W0 to W4.
using TDirectoryColumnWidths = std::array<int, 5>;
inline constexpr TDirectoryColumnWidths DefaultDirectoryColumnWidths{120, 60, 120, 120, 60};

// The widths a "DirectoryCols" value gives: its comma-separated 16-bit numbers replace the
// defaults in order, the first five at most. Reading stops at the first piece that is not
// such a number; an empty value keeps every default.
TDirectoryColumnWidths ParseDirectoryColumnWidths(const QString& value);

// The widths the user set for file lists. Linux desktops keep no shared setting for this, so
// the program reads (and never writes) one line "DirectoryCols=120,60,120,120,60" of
// $XDG_CONFIG_HOME/brindlewick/explorer.conf; without that file or line the defaults stand.
TDirectoryColumnWidths ReadDirectoryColumnWidths(const TXdgFolders& folders);
