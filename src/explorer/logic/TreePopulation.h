#pragma once

#include "FileMask.h"
#include "ShellFolder.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Which items of a folder become nodes of the folder tree.
struct TTreeFilter {
    // Non-folder items become nodes too.
    bool ShowFiles = false;
    bool ShowHiddenDirs = true;
    // Only file-system items and their ancestors (the rfFileSystem root).
    bool FileSystemOnly = false;
    // Applied to the display names of non-folder items; none for an empty mask.
    const TMaskList* Masks = nullptr;
};

// An item that passed the filter, with what its node shows.
struct TTreeChild {
    ItemIDList Relative;
    QString Name;
    std::uint32_t Attributes = 0;
    // The node shows an expand button: the item has subfolders, or (with ShowFiles) files.
    bool HasButton = false;
};

// What enumerating a folder for the tree gave.
struct TTreeEnumeration {
    // The folder listed at least one item (the filter and the known items aside).
    bool Any = false;
    // The new children, in the folder's own order.
    std::vector<TTreeChild> Children;
};

// The enumeration flags: folders, hidden ones with ShowHiddenDirs, files with ShowFiles.
std::uint32_t TreeEnumFlags(const TTreeFilter& filter);

// The item of folder named by relative as the tree shows it under the given name (its
// display name, or a caption of the tree's own); nothing when the filter leaves it out. An
// item whose attributes cannot be read is kept, with none.
std::optional<TTreeChild> ReadTreeChild(const TShellFolder& folder, ItemIDList relative,
                                        QString name, const TTreeFilter& filter);

// Enumerates folder and reads each item that is not known yet (known answers for an item
// already shown as a node, which is left as it is); nothing when the folder cannot be read.
std::optional<TTreeEnumeration>
EnumerateTreeChildren(const TShellFolder& folder, const TTreeFilter& filter,
                      const std::function<bool(PCItemID relative)>& known);

// Whether the subfolder named by relative holds at least one non-folder item (hidden ones
// counted only when includeHidden): one fetch is enough.
bool FolderYieldsFiles(const TShellFolder& folder, PCItemID relative, bool includeHidden);
