#pragma once

#include "ListItem.h"

#include <cstdint>

// The sort parameter: the column in the low 16 bits, all ones in the high 16 bits when
// descending.
std::int32_t SortParameter(int column, bool descending);

// A folder in the list's sense: FOLDER or HASSUBFOLDER.
bool IsFolderItem(const TListItem* item);

// Folders (FOLDER or HASSUBFOLDER) first, then the signed low byte of the parent folder's
// CompareIDs for the column (answered from the items' gathered sort keys when both have them); the whole result negated when descending, so that a
// descending sort puts the folders last.
int DefaultListCompare(const TListItem* a, const TListItem* b, std::int32_t parameter);
