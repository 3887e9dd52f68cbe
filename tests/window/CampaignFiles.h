#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// What a test needs to know of a campaign file the editor wrote.
struct TSavedEntry {
    std::string Name;
    std::string FileName;
    QByteArray Payload;
    QByteArray Version() const { return Payload.left(4); }
};

// A scenario file: `head` (such as a version text) followed by filler up to `size` bytes.
QString MakeScenario(const QString& path, const QByteArray& head, int size = 64);
// A campaign holding these scenario files, written by the command-line companion.
QString MakeCampaign(const QString& path, const QStringList& scenarios);
// The stored file names of the entries, in order.
std::vector<std::string> FileNames(const std::vector<TSavedEntry>& entries);
// The entries of a campaign file, or nothing when it does not load.
std::optional<std::vector<TSavedEntry>> ReadCampaignFile(const QString& path);
QByteArray FileBytes(const QString& path);
