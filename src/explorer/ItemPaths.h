#pragma once

#include "ShellControls.h"

#include <QByteArray>
#include <QList>

class QMimeData;

// The file-system path of an item's record as the file system's exact bytes (empty for a
// virtual item or no record). Every file operation and every hand-over to the editor uses
// this, never the shown text, so that names that are not valid UTF-8 keep working.
QByteArray NativeItemPath(const TFolderItemData* data);

// A drag's data for local files: their URLs, made from the paths' bytes.
QMimeData* LocalFilesMimeData(const QList<QByteArray>& nativePaths);
