#include "CampaignReader.h"

#include "FileFormat.h"
#include "Utils.h"

#include <algorithm>

namespace {

constexpr std::int64_t RecordsPerRead = 1024;

// An empty payload is read from nowhere, so its offset may lie past the end of the file.
bool payloadInside(const TTableEntry& entry, std::int64_t fileLength) {
    return entry.Offset >= 0 && entry.Size >= 0 &&
           (entry.Size == 0 || static_cast<std::int64_t>(entry.Offset) + entry.Size <= fileLength);
}

TTableEntry checkedEntry(std::span<const std::uint8_t, CampaignFormat::RecordSize> bytes,
                         std::int64_t fileLength) {
    const TScenarioRecord record = DecodeRecord(bytes);
    TTableEntry entry{RecordNameToStr(record), RecordFileNameToStr(record), record.Offset,
                      record.Size};
    if (!payloadInside(entry, fileLength))
        throw CampaignErrors::StreamRead();
    return entry;
}

// Reads every byte that some payload covers exactly once: ranges that overlap or touch are
// read into one shared buffer, and each payload is a stream over its part of it. However the
// records point at the file, loading costs at most the file's length.
std::vector<TMemoryStream> readSharedPayloads(const TInputFile& file,
                                              const std::vector<TTableEntry>& entries) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Size > 0)
            order.push_back(i);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return entries[a].Offset < entries[b].Offset;
    });

    std::vector<TMemoryStream> payloads(entries.size());
    for (std::size_t first = 0; first < order.size();) {
        const std::int64_t start = entries[order[first]].Offset;
        std::int64_t end = start;
        std::size_t last = first;
        for (; last < order.size() && entries[order[last]].Offset <= end; ++last)
            end = std::max<std::int64_t>(end, static_cast<std::int64_t>(entries[order[last]].Offset) +
                                                  entries[order[last]].Size);
        auto bytes = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(end - start));
        file.ReadAt(start, *bytes);
        const TMemoryStream::TSharedBytes shared = std::move(bytes);
        for (std::size_t k = first; k < last; ++k) {
            const TTableEntry& entry = entries[order[k]];
            payloads[order[k]] = TMemoryStream(shared, static_cast<std::size_t>(entry.Offset - start),
                                               static_cast<std::size_t>(entry.Size));
        }
        first = last;
    }
    return payloads;
}

} // namespace

ECampaignRejected::ECampaignRejected(const std::string& fileName)
    : ECampaignError("The file " + fileName +
                     " is either not an Quorvane/Meltharn Campaign or an unsupported version.") {}

TCampaignHead ReadCampaignHead(const TInputFile& file) {
    const std::string fileName = FileNameOfPath(file.Path().string());
    if (file.Length() < CampaignFormat::HeaderSize)
        throw ECampaignRejected(fileName);

    THeaderBytes headerBytes;
    file.ReadAt(0, headerBytes);
    const TCampaignHeader header = DecodeHeader(headerBytes);
    if (header.Version != CampaignFormat::Version)
        throw ECampaignRejected(fileName);

    const std::int64_t count = std::max<std::int64_t>(header.Count, 0);
    if (CampaignFormat::PayloadStart(count) > file.Length())
        throw CampaignErrors::StreamRead();
    return {HeaderTitleToStr(header), count};
}

TCampaignHead ReadCheckedCampaignHead(const TInputFile& file) {
    TCampaignHead head = ReadCampaignHead(file);
    ForEachTableEntry(file, head.Count, [](TTableEntry&&) {});
    return head;
}

void ForEachTableEntry(const TInputFile& file, std::int64_t count,
                       const std::function<void(TTableEntry&&)>& visit) {
    ForEachTableEntry(file, 0, count, visit);
}

void ForEachTableEntry(const TInputFile& file, std::int64_t first, std::int64_t count,
                       const std::function<void(TTableEntry&&)>& visit) {
    std::vector<std::uint8_t> chunk;
    const std::int64_t end = first + count;
    for (std::int64_t at = first; at < end; at += RecordsPerRead) {
        const std::int64_t records = std::min(RecordsPerRead, end - at);
        chunk.resize(static_cast<std::size_t>(records * CampaignFormat::RecordSize));
        file.ReadAt(CampaignFormat::PayloadStart(at), chunk);
        for (std::int64_t i = 0; i < records; ++i) {
            const auto bytes =
                std::span(chunk)
                    .subspan(static_cast<std::size_t>(i * CampaignFormat::RecordSize))
                    .first<CampaignFormat::RecordSize>();
            visit(checkedEntry(bytes, file.Length()));
        }
    }
}

TTableEntry ReadTableEntry(const TInputFile& file, std::int64_t index) {
    TRecordBytes bytes;
    file.ReadAt(CampaignFormat::PayloadStart(index), bytes);
    return checkedEntry(bytes, file.Length());
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
    } catch (const ECampaignRejected& rejected) {
        return TCampaignRejection{rejected.what()};
    }
    std::vector<TMemoryStream> payloads = readSharedPayloads(file, table.Entries);

    TCampaign campaign;
    auto options = std::make_unique<TCampaignOptions>();
    options->Title = std::move(table.Title);
    campaign.ReplaceCampaignOptions(std::move(options));

    for (std::size_t i = 0; i < table.Entries.size(); ++i) {
        TTableEntry& row = table.Entries[i];
        auto scenario = std::make_unique<TScenario>();
        scenario->Offset = row.Offset;
        scenario->Size = row.Size;
        scenario->Stream = std::move(payloads[i]);

        TCampaignEntry entry =
            MakeEntry(std::move(row.Name), std::move(row.FileName), std::move(scenario));
        entry.OffsetText = OffsetText(row.Offset);
        campaign.AppendEntry(std::move(entry));
    }
    return campaign;
}
