#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole content of path, making its folder when missing: the file appears
// complete or not at all, so a reader never finds half of it. False when that fails; the
// caller says what the file was for.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
