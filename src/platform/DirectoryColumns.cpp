#include "DirectoryColumns.h"

#include <QFile>
#include <QStringList>
#include <limits>

namespace {

const QString kKey = QStringLiteral("DirectoryCols=");

} // namespace

TDirectoryColumnWidths ParseDirectoryColumnWidths(const QString& value) {
    TDirectoryColumnWidths widths = DefaultDirectoryColumnWidths;
    if (value.trimmed().isEmpty())
        return widths;
    const QStringList pieces = value.split(u',');
    for (qsizetype i = 0; i < pieces.size() && i < qsizetype(widths.size()); ++i) {
        bool ok = false;
        const uint width = pieces[i].trimmed().toUInt(&ok);
        if (!ok || width > std::numeric_limits<quint16>::max())
            break;
        widths[static_cast<std::size_t>(i)] = static_cast<int>(width);
    }
    return widths;
}

TDirectoryColumnWidths ReadDirectoryColumnWidths(const TXdgFolders& folders) {
    QFile file(folders.ConfigHome + QStringLiteral("/brindlewick/explorer.conf"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return DefaultDirectoryColumnWidths;
    // A settings line is short; a huge or binary file is read no further than needed.
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(4096)).trimmed();
        if (line.startsWith(kKey))
            return ParseDirectoryColumnWidths(line.mid(kKey.size()));
    }
    return DefaultDirectoryColumnWidths;
}
