#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// Puts a "," before every group of three digits counted from the right; texts shorter
// than four characters stay as they are.
QString GroupThousands(const QString& digits);

// The size column: whole kilobytes rounded up from the byte count plus 1023, so that an
// empty file shows "1 KB" and 1,024 bytes show "2 KB".
QString SizeText(std::int64_t size);

// Date and time in the user's locale, or empty for an unknown time.
QString ModifiedText(const QDateTime& lastWrite);

// A mount point: the root of the file system or of a volume.
bool IsDriveRoot(const QString& path);
