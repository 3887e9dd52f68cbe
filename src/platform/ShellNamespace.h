#pragma once

#include "ShellFolder.h"

// The namespace's entry points.
TShellFolderRef SHGetDesktopFolder();
// The absolute list of a special folder (CSIDL value); none when it has no place here.
ItemIDList SHGetSpecialFolderLocation(int csidl);
// The path a special folder stands for on this system; empty for the desktop itself.
QString SpecialFolderPath(int csidl);
// The file-system path of an absolute list; empty for the desktop itself and for no list.
QString SHGetPathFromIDList(PCItemID absolute);
// The same path as the file system's exact bytes: the one to open, watch or hand on.
QByteArray SHGetNativePathFromIDList(PCItemID absolute);
