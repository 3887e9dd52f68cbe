#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The campaigns last opened or saved, newest first, as the file system's exact path bytes
// (a name need not be valid UTF-8). Kept in a small text file: a first line naming the
// format, then one absolute path per line.
using TRecentCampaigns = std::vector<QByteArray>;

inline constexpr std::size_t MaxRecentCampaigns = 8;
inline constexpr char RecentCampaignsFormat[] = "brindlewick recent campaigns 1";

// The list with path on top: a path already listed moves up, the oldest beyond eight drops
// out. A path the file cannot hold (empty, relative, or with a line break) leaves the list
// as it was.
TRecentCampaigns WithRecentCampaign(TRecentCampaigns list, const QByteArray& path);
TRecentCampaigns WithoutRecentCampaign(TRecentCampaigns list, const QByteArray& path);

QByteArray RecentCampaignsText(const TRecentCampaigns& list);
// Nothing when the text is not such a list: another first line, a NUL, a line longer than a
// path can be, more lines than the list holds.
std::optional<TRecentCampaigns> ParseRecentCampaigns(const QByteArray& text);

// $XDG_STATE_HOME/brindlewick/recent-campaigns.
QString RecentCampaignsFile(const QString& stateHome);
// A missing file is an empty list; a damaged or unreadable one too, with a note on standard
// error.
TRecentCampaigns ReadRecentCampaigns(const QString& file);
// Writes the file in one piece, making its folder when missing; throws EPlatformError.
void WriteRecentCampaigns(const QString& file, const TRecentCampaigns& list);
