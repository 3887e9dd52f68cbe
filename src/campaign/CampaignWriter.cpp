#include "CampaignWriter.h"

#include "CampaignError.h"
#include "CampaignLock.h"
#include "FileFormat.h"
#include "FileNames.h"
#include "Utils.h"

#include <numeric>

namespace {

std::string withThousands(std::int64_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

void checkLayoutFits(std::int64_t length) {
    if (length > CampaignFormat::MaxFileSize)
        throw ECampaignError(
            "The campaign would be " + withThousands(length) +
            " bytes long, more than the 2,147,483,647 bytes a campaign file can hold");
}

constexpr std::size_t TableWriteSize = 1 << 20;

class TWriterEntryList : public TWriterSource {
public:
    explicit TWriterEntryList(const std::vector<TWriterEntry>& entries) : m_entries(entries) {}
    std::int64_t Count() const override { return static_cast<std::int64_t>(m_entries.size()); }
    void ForEach(const std::function<void(const TWriterEntry&)>& visit) const override {
        for (const auto& entry : m_entries)
            visit(entry);
    }

private:
    const std::vector<TWriterEntry>& m_entries;
};

} // namespace

TPayloadPiece TPayloadPiece::FromMemory(std::span<const std::uint8_t> bytes) {
    TPayloadPiece piece;
    piece.Memory = bytes;
    return piece;
}

TPayloadPiece TPayloadPiece::FromFile(std::shared_ptr<const TInputFile> file, std::int64_t offset,
                                      std::int64_t length) {
    TPayloadPiece piece;
    piece.File = std::move(file);
    piece.Offset = offset;
    piece.Length = length;
    return piece;
}

TPayloadPiece TPayloadPiece::FromPath(std::filesystem::path path, std::int64_t length) {
    TPayloadPiece piece;
    piece.Path = std::move(path);
    piece.Length = length;
    return piece;
}

std::int64_t TWriterEntry::Size() const {
    return std::accumulate(
        Payload.begin(), Payload.end(), std::int64_t{0},
        [](std::int64_t sum, const TPayloadPiece& piece) { return sum + piece.Size(); });
}

std::string TitleForSave(std::string_view title, const std::filesystem::path& path,
                         const TTextCodec& codec) {
    const std::string raw =
        title.empty() ? NameFromFileName(StoredFileName(path, codec), codec) : std::string(title);
    return codec.FitBytes(raw, CampaignFormat::TitleWidth - 1);
}

void WriteCampaign(const std::filesystem::path& path, std::string_view title,
                   const TWriterSource& entries, bool replaceExisting) {
    const std::int64_t count = entries.Count();
    // Summed to the end, so that the message tells the whole length. Each size is below
    // 2 GiB and the count below 2^31, so 64 bits hold the sum.
    std::int64_t position = CampaignFormat::PayloadStart(count);
    entries.ForEach([&](const TWriterEntry& entry) { position += entry.Size(); });
    checkLayoutFits(position);

    TAtomicFile file(path);

    TCampaignHeader header;
    header.Version = CampaignFormat::Version;
    StrToHeaderTitle(title, header);
    header.Count = static_cast<std::int32_t>(count);
    file.Write(EncodeHeader(header));

    // Records are gathered into larger writes: a table may hold millions of them.
    std::vector<std::uint8_t> table;
    position = CampaignFormat::PayloadStart(count);
    entries.ForEach([&](const TWriterEntry& entry) {
        TScenarioRecord record;
        record.Size = static_cast<std::int32_t>(entry.Size());
        record.Offset = static_cast<std::int32_t>(position);
        position += record.Size;
        StrToRecordName(entry.Name, record);
        StrToRecordFileName(entry.FileName, record);
        const TRecordBytes bytes = EncodeRecord(record);
        table.insert(table.end(), bytes.begin(), bytes.end());
        if (table.size() >= TableWriteSize) {
            file.Write(table);
            table.clear();
        }
    });
    file.Write(table);

    entries.ForEach([&](const TWriterEntry& entry) {
        for (const auto& piece : entry.Payload) {
            if (piece.File)
                file.CopyFrom(*piece.File, piece.Offset, piece.Length);
            else if (!piece.Path.empty())
                file.CopyFrom(TInputFile(piece.Path), piece.Offset, piece.Length);
            else
                file.Write(piece.Memory);
        }
    });

    file.Commit(replaceExisting);
}

void WriteCampaign(const std::filesystem::path& path, std::string_view title,
                   const std::vector<TWriterEntry>& entries, bool replaceExisting) {
    WriteCampaign(path, title, TWriterEntryList(entries), replaceExisting);
}

void SaveCampaign(TCampaign& campaign, const std::filesystem::path& path, const TTextCodec& codec) {
    std::vector<TWriterEntry> entries;
    entries.reserve(campaign.Count());
    for (const auto& entry : campaign.Entries())
        entries.push_back(
            TWriterEntry{entry.Name,
                         entry.FileName,
                         {TPayloadPiece::FromMemory(entry.Scenario->Stream.Bytes())}});
    const TCampaignLock lock(path);
    WriteCampaign(path, TitleForSave(campaign.CampaignOptions().Title, path, codec), entries);
    campaign.UpdateOffsets();
}
