#include "CampaignEditor.h"

#include "CampaignError.h"
#include "CampaignReader.h"
#include "FileNames.h"
#include "Utils.h"

#include <stdexcept>

namespace {

// Drops the first `count` bytes of a payload made of pieces.
void dropFront(std::vector<TPayloadPiece>& pieces, std::int64_t count) {
    while (count > 0 && !pieces.empty()) {
        TPayloadPiece& first = pieces.front();
        const std::int64_t size = first.Size();
        if (size <= count) {
            count -= size;
            pieces.erase(pieces.begin());
        } else if (first.InMemory()) {
            first.Memory = first.Memory.subspan(static_cast<std::size_t>(count));
            count = 0;
        } else {
            first.Offset += count;
            first.Length -= count;
            count = 0;
        }
    }
}

} // namespace

TCampaignEditor::TCampaignEditor(std::filesystem::path campaign, const TTextCodec& codec, int)
    : m_path(std::move(campaign)), m_codec(codec) {}

TCampaignEditor TCampaignEditor::Empty(const std::filesystem::path& campaign,
                                       const TTextCodec& codec) {
    return TCampaignEditor(campaign, codec, 0);
}

TCampaignEditor::TCampaignEditor(const std::filesystem::path& campaign, const TTextCodec& codec)
    : TCampaignEditor(campaign, codec, 0) {
    m_source = std::make_shared<const TInputFile>(campaign);
    TCampaignTable table = ReadCampaignTable(*m_source);
    m_title = std::move(table.Title);
    m_entries.reserve(table.Entries.size());
    for (auto& row : table.Entries)
        m_entries.push_back(
            TWriterEntry{std::move(row.Name),
                         std::move(row.FileName),
                         {TPayloadPiece::FromFile(m_source, row.Offset, row.Size)}});
}

TWriterEntry TCampaignEditor::entryForFile(const std::filesystem::path& scenario) const {
    const std::string fileName = StoredFileName(scenario, m_codec);
    return TWriterEntry{NameWithoutExt(fileName),
                        fileName,
                        {TPayloadPiece::FromPath(scenario, FileSizeOf(scenario))}};
}

void TCampaignEditor::Insert(std::size_t position, const std::filesystem::path& scenario) {
    if (position > m_entries.size())
        throw std::out_of_range("position");
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(position),
                     entryForFile(scenario));
}

void TCampaignEditor::Remove(std::size_t index) {
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

void TCampaignEditor::Replace(std::size_t index, const std::filesystem::path& scenario) {
    m_entries.at(index) = entryForFile(scenario);
}

void TCampaignEditor::Move(std::size_t from, std::size_t to) {
    TWriterEntry moved = std::move(m_entries.at(from));
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(from));
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
}

void TCampaignEditor::SetVersion(std::size_t index, TScenarioVersion version) {
    TWriterEntry& entry = m_entries.at(index);
    if (entry.Size() < 4)
        throw TCampaignError("scenario " + std::to_string(index + 1) +
                             " is shorter than four bytes and has no version text to set");
    dropFront(entry.Payload, 4);
    entry.Payload.insert(entry.Payload.begin(), TPayloadPiece::FromMemory(VersionBytes(version)));
}

void TCampaignEditor::Save(bool replaceExisting) const {
    WriteCampaign(m_path, TitleForSave(m_title, m_path, m_codec), m_entries, replaceExisting);
}
