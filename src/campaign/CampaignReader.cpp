#include "CampaignReader.h"

#include "FileFormat.h"
#include "Utils.h"

#include <algorithm>

namespace {

constexpr std::int64_t RecordsPerRead = 1024;

bool payloadInside(const TTableEntry& entry, std::int64_t fileLength) {
    return entry.Offset >= 0 && entry.Size >= 0 &&
           static_cast<std::int64_t>(entry.Offset) + entry.Size <= fileLength;
}

} // namespace

TCampaignRejected::TCampaignRejected(const std::string& fileName)
    : TCampaignError("The file " + fileName +
                     " is either not an Quorvane/Meltharn Campaign or an unsupported version.") {}

TCampaignHead ReadCampaignHead(const TInputFile& file) {
    const std::string fileName = FileNameOfPath(file.Path().string());
    if (file.Length() < CampaignFormat::HeaderSize)
        throw TCampaignRejected(fileName);

    THeaderBytes headerBytes;
    file.ReadAt(0, headerBytes);
    const TCampaignHeader header = DecodeHeader(headerBytes);
    if (header.Version != CampaignFormat::Version)
        throw TCampaignRejected(fileName);

    const std::int64_t count = std::max<std::int64_t>(header.Count, 0);
    if (CampaignFormat::PayloadStart(count) > file.Length())
        throw CampaignErrors::StreamRead();
    return {HeaderTitleToStr(header), count};
}

void ForEachTableEntry(const TInputFile& file, std::int64_t count,
                       const std::function<void(TTableEntry&&)>& visit) {
    std::vector<std::uint8_t> chunk;
    for (std::int64_t first = 0; first < count; first += RecordsPerRead) {
        const std::int64_t records = std::min(RecordsPerRead, count - first);
        chunk.resize(static_cast<std::size_t>(records * CampaignFormat::RecordSize));
        file.ReadAt(CampaignFormat::PayloadStart(first), chunk);
        for (std::int64_t i = 0; i < records; ++i) {
            const auto bytes =
                std::span(chunk)
                    .subspan(static_cast<std::size_t>(i * CampaignFormat::RecordSize))
                    .first<CampaignFormat::RecordSize>();
            const TScenarioRecord record = DecodeRecord(bytes);
            TTableEntry entry{RecordNameToStr(record), RecordFileNameToStr(record), record.Offset,
                              record.Size};
            if (!payloadInside(entry, file.Length()))
                throw CampaignErrors::StreamRead();
            visit(std::move(entry));
        }
    }
}

TCampaignTable ReadCampaignTable(const TInputFile& file) {
    TCampaignHead head = ReadCampaignHead(file);
    TCampaignTable table;
    table.Title = std::move(head.Title);
    table.Entries.reserve(static_cast<std::size_t>(head.Count));
    ForEachTableEntry(file, head.Count,
                      [&](TTableEntry&& entry) { table.Entries.push_back(std::move(entry)); });
    return table;
}

TLoadResult LoadCampaign(const std::filesystem::path& path) {
    const TInputFile file(path);
    TCampaignTable table;
    try {
        table = ReadCampaignTable(file);
    } catch (const TCampaignRejected& rejected) {
        return TCampaignRejection{rejected.what()};
    }

    TCampaign campaign;
    auto options = std::make_unique<TCampaignOptions>();
    options->Title = std::move(table.Title);
    campaign.ReplaceCampaignOptions(std::move(options));

    for (auto& row : table.Entries) {
        auto scenario = std::make_unique<TScenario>();
        scenario->Offset = row.Offset;
        scenario->Size = row.Size;
        std::vector<std::uint8_t> payload(static_cast<std::size_t>(row.Size));
        file.ReadAt(row.Offset, payload);
        scenario->Stream.Assign(std::move(payload));

        TCampaignEntry entry =
            MakeEntry(std::move(row.Name), std::move(row.FileName), std::move(scenario));
        entry.OffsetText = OffsetText(row.Offset);
        campaign.AppendEntry(std::move(entry));
    }
    return campaign;
}
