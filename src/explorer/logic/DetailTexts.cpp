#include "DetailTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <cmath>
#include <sys/stat.h>

QString GroupThousands(const QString& digits) {
    if (digits.size() < 4)
        return digits;
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    const qsizetype firstGroup = digits.size() % 3;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (i - firstGroup) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

QString SizeText(std::int64_t size) {
    const long double kilobytes = (static_cast<long double>(size) + 1023.0L) / 1024.0L;
    const auto rounded = static_cast<long long>(std::floor(kilobytes + 0.5L));
    //: A file's size in the file list; %1 is a whole number of kilobytes with "," between
    //: groups of three digits.
    return QCoreApplication::translate("DetailTexts", "%1 KB")
        .arg(GroupThousands(QString::number(rounded)));
}

QString ModifiedText(const QDateTime& lastWrite) {
    if (!lastWrite.isValid())
        return {};
    // One locale object for all items: building it per item is the slow part. The text
    // shows minutes, and files of a folder are often written in the same minute: the texts
    // of recent minutes are kept.
    static const QLocale locale;
    static QHash<qint64, QString> byMinute;
    const qint64 minute = lastWrite.toSecsSinceEpoch() / 60;
    if (const auto known = byMinute.constFind(minute); known != byMinute.cend())
        return *known;
    if (byMinute.size() > 4096)
        byMinute.clear();
    const QDateTime local = lastWrite.toLocalTime();
    return byMinute.insert(minute, locale.toString(local.date(), QLocale::ShortFormat) + u' ' +
                                       locale.toString(local.time(), QLocale::ShortFormat))
        .value();
}

bool IsDriveRoot(const QString& path) {
    if (path == QLatin1String("/"))
        return true;
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(u'/'))
        trimmed.chop(1);
    const QByteArray native = QFile::encodeName(trimmed);
    const qsizetype slash = native.lastIndexOf('/');
    if (slash < 0)
        return false;
    const QByteArray parent = slash == 0 ? QByteArray("/") : native.left(slash);
    struct stat self {};
    struct stat above {};
    if (::stat(native.constData(), &self) != 0 || ::stat(parent.constData(), &above) != 0)
        return false;
    return self.st_dev != above.st_dev;
}
