#include "CampaignFiles.h"

#include "CampaignReader.h"

#include <QFile>
#include <QProcess>
#include <stdexcept>

QString MakeScenario(const QString& path, const QByteArray& head, int size) {
    QByteArray bytes = head;
    for (int i = static_cast<int>(bytes.size()); i < size; ++i)
        bytes.append(static_cast<char>(i * 7));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a scenario file");
    return path;
}

QString MakeCampaign(const QString& path, const QStringList& scenarios) {
    const int code = QProcess::execute(QStringLiteral(BRINDLEWICK_CLI),
                                       QStringList{QStringLiteral("create"), path} + scenarios);
    if (code != 0)
        throw std::runtime_error("the companion could not make a campaign");
    return path;
}

std::vector<std::string> FileNames(const std::vector<TSavedEntry>& entries) {
    std::vector<std::string> names;
    for (const TSavedEntry& entry : entries)
        names.push_back(entry.FileName);
    return names;
}

std::optional<std::vector<TSavedEntry>> ReadCampaignFile(const QString& path) {
    try {
        TLoadResult result = LoadCampaign(QFile::encodeName(path).toStdString());
        auto* campaign = std::get_if<TCampaign>(&result);
        if (!campaign)
            return std::nullopt;
        std::vector<TSavedEntry> entries;
        for (const TCampaignEntry& entry : campaign->Entries()) {
            const auto bytes = entry.Scenario->Stream.Bytes();
            entries.push_back({entry.Name, entry.FileName,
                               QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size()))});
        }
        return entries;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
