#pragma once

#include "FileFacts.h"
#include "ShellRecords.h"

#include <QStringList>
#include <cstdint>
#include <optional>

// What the column sorts compare, gathered once when an item is added (a sort then reads
// no file and asks no type database). Known is false for items that are no file-system
// names (the desktop's places); those compare through their folder.
struct TItemSortKeys {
    bool Known = false;
    QString Name;
    std::int64_t Size = 0;
    QString Type;
    std::int64_t ModifiedSeconds = 0;
    std::int64_t ModifiedNanoseconds = 0;
    QString Attributes;
};

struct TItemDetails {
    // Size, type, modified, attributes.
    QStringList Texts;
    // The item's path as text (the file system's bytes decoded), empty for a virtual item:
    // what its icon is looked up by.
    QString Path;
    TItemSortKeys Keys;
    // What the look at the file found, nothing when it could not be read.
    std::optional<TFileFacts> Facts;
};

// The detail texts and sort keys of a list item from one look at the file; sets the
// record's FileSize from it.
TItemDetails GatherItemDetails(TFolderItemData& data, const QString& name);

// Three-way order of two items' keys by column (0 name, 1 size, 2 type, 3 modified,
// 4 attributes); equal column values fall back to the names in natural order.
int CompareItemKeys(int column, const TItemSortKeys& a, const TItemSortKeys& b);
