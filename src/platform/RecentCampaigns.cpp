#include "RecentCampaigns.h"

#include "PlatformError.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// The longest path Linux hands to a system call, with its terminating zero.
constexpr qsizetype LongestPath = 4096;
// More than the longest list can take: a bigger file is not ours, and is not read whole.
constexpr qsizetype LongestText =
    sizeof(RecentCampaignsFormat) + static_cast<qsizetype>(MaxRecentCampaigns) * (LongestPath + 1);

bool fitsOneLine(const QByteArray& path) {
    return path.startsWith('/') && path.size() < LongestPath && !path.contains('\n') &&
           !path.contains('\0');
}

} // namespace

TRecentCampaigns WithRecentCampaign(TRecentCampaigns list, const QByteArray& path) {
    if (!fitsOneLine(path))
        return list;
    list = WithoutRecentCampaign(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > MaxRecentCampaigns)
        list.resize(MaxRecentCampaigns);
    return list;
}

TRecentCampaigns WithoutRecentCampaign(TRecentCampaigns list, const QByteArray& path) {
    std::erase(list, path);
    return list;
}

QByteArray RecentCampaignsText(const TRecentCampaigns& list) {
    QByteArray text = QByteArray(RecentCampaignsFormat) + '\n';
    for (const QByteArray& path : list)
        text += path + '\n';
    return text;
}

std::optional<TRecentCampaigns> ParseRecentCampaigns(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.front() != RecentCampaignsFormat ||
        static_cast<std::size_t>(lines.size() - 1) > MaxRecentCampaigns)
        return std::nullopt;
    TRecentCampaigns list;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!fitsOneLine(lines[i]))
            return std::nullopt;
        list.push_back(lines[i]);
    }
    return list;
}

QString RecentCampaignsFile(const QString& stateHome) {
    return stateHome + QStringLiteral("/brindlewick/recent-campaigns");
}

TRecentCampaigns ReadRecentCampaigns(const QString& file) {
    QFile input(file);
    if (!input.exists())
        return {};
    std::optional<TRecentCampaigns> list;
    if (QFileInfo(input).isFile() && input.open(QIODevice::ReadOnly))
        list = ParseRecentCampaigns(input.read(LongestText + 1));
    if (!list)
        qWarning("brindlewick: %s is not a list of recent campaigns; it is ignored",
                 QFile::encodeName(file).constData());
    return list.value_or(TRecentCampaigns{});
}

void WriteRecentCampaigns(const QString& file, const TRecentCampaigns& list) {
    if (!WriteWholeFile(file, RecentCampaignsText(list)))
        throw EPlatformError(QStringLiteral("Cannot create file %1").arg(file));
}
