#pragma once

#include <QByteArray>
#include <QString>

// The text shown for a file name, which is bytes on this system. Valid UTF-8 shows as it
// reads; each byte that is not part of valid UTF-8 shows as \xNN, a tab, newline or carriage
// return as \t, \n, \r, any other control character as the \xNN of its bytes, and a
// backslash as \\. So two different names never show alike and a name never shows cut at a
// control character. Only for showing: the bytes stay the name used to open the file.
QString DisplayNameOfBytes(const QByteArray& name);
