#pragma once

#include "ShellControls.h"

#include <QStringList>

// The four detail texts of a list item (size, type, modified, attributes), computed once
// when the item is added; sets the record's FileSize from the item's find data.
QStringList ItemDetailTexts(TFolderItemData& data);
