#pragma once

#include "FileFacts.h"
#include "ItemDetails.h"
#include "ShellRecords.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// One row of the file list: what is shown and the shell record behind it.
struct TListItem {
    QString Caption;
    int ImageIndex = -1;
    int OverlayIndex = -1;
    QStringList SubItems;
    // The item's check box, shown while the list has check boxes.
    bool Checked = false;
    std::unique_ptr<TFolderItemData> Data;
    TItemSortKeys Keys;
    // The file's facts when the item was made: a later read of the folder that finds the
    // same facts leaves the item as it is.
    std::optional<TFileFacts> Facts;
};
