#pragma once

#include <QString>
#include <QStringList>

// Reading and writing the freedesktop key files (desktop entries,
// mimeapps.list): groups of "Key=Value" lines.
namespace DesktopEntry {

// The value of key in group, or a null string. Escapes (\s \n \t \r \\) are resolved.
QString Value(const QString& content, const QString& group, const QString& key);

// content with key set to value in group (added, with the group when missing), every other
// line kept as it was.
QString WithValue(const QString& content, const QString& group, const QString& key,
                  const QString& value);

// A program path as one argument of an Exec line: quoted, with the characters the
// Exec format reserves escaped, and the backslashes doubled for the key file itself.
QString QuotedExecArgument(const QString& argument);

// An Exec line split into its arguments, quotes and escapes resolved.
QStringList SplitExec(const QString& exec);

} // namespace DesktopEntry
