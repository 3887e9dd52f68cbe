#pragma once

#include "ItemIDList.h"
#include "ShellTypes.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

// A failure of the namespace that the caller is meant to raise (binding a folder being
// expanded, the desktop lookup): the platform's error.
class EShellError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Hands out a folder's children one relative list at a time; an empty answer ends it.
class TEnumIDList {
public:
    virtual ~TEnumIDList() = default;
    virtual std::optional<ItemIDList> Next() = 0;
};

// One folder of the namespace, shared by every item enumerated through it (the counted
// reference of the shell). Relative lists passed in are relative to this folder.
class TShellFolder {
public:
    virtual ~TShellFolder() = default;

    // nullptr when the folder cannot be read.
    virtual std::unique_ptr<TEnumIDList> EnumObjects(std::uint32_t flags) const = 0;
    // nullptr when the relative list does not name a folder below this one.
    virtual std::shared_ptr<TShellFolder> BindToObject(PCItemID relative) const = 0;
    // Negative, zero or positive, as a signed 16-bit value.
    virtual int CompareIDs(int column, PCItemID a, PCItemID b) const = 0;
    // The attribute bits within mask, or nothing when the item cannot be read.
    virtual std::optional<std::uint32_t> GetAttributesOf(PCItemID relative,
                                                         std::uint32_t mask) const = 0;
    virtual std::optional<TStrRet> GetDisplayNameOf(PCItemID relative,
                                                    std::uint32_t flags) const = 0;
    // A list relative to this folder, or none when the text names nothing here.
    virtual ItemIDList ParseDisplayName(const QString& text) const = 0;
    // The same for a path in the file system's own bytes, which need not be valid text.
    // A folder that holds no file-system items answers none.
    virtual ItemIDList ParseNativePath(const QByteArray&) const { return {}; }
    // Renames the item; the item's new relative list, or none when refused.
    virtual ItemIDList SetNameOf(PCItemID relative, const QString& newName,
                                 std::uint32_t flags) const = 0;
    // The file-system path of an item below this folder, empty for a virtual item. PathOf
    // is for showing; NativePathOf holds the exact bytes every file operation must use.
    virtual QString PathOf(PCItemID relative) const = 0;
    virtual QByteArray NativePathOf(PCItemID) const { return {}; }
};

using TShellFolderRef = std::shared_ptr<TShellFolder>;
