#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One use of a file by the program, for the desktop's list of recently used files (the XBEL
// file GTK and KDE programs keep, which the desktop's "Recent" views show).
struct TRecentFileUse {
    // Absolute, as the file system's exact bytes.
    QByteArray Path;
    QString MimeType;
    QDateTime When;
};

// The program, as the list names it and the desktop starts it again.
inline constexpr char RecentFileApplication[] = "brindlewick";
inline constexpr char RecentFileExec[] = "'brindlewick %u'";

// $XDG_DATA_HOME/recently-used.xbel.
QString RecentlyUsedFilesPath(const QString& dataHome);

// The list (empty for none yet) with the use recorded in the file's bookmark: its MIME type,
// the times, and the program among the applications that used it, counted once more. Every
// other bookmark stays as it was. Throws EPlatformError when the text is not such a list.
QByteArray WithRecentlyUsedFile(const QByteArray& xbel, const TRecentFileUse& use);

// Records the use in the list file, written in one piece. A list that cannot be read or is
// damaged is left as it is; that, and a failed write, is noted on standard error.
void AddRecentlyUsedFile(const QString& listFile, const TRecentFileUse& use);
