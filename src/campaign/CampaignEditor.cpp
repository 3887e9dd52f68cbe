#include "CampaignEditor.h"

#include "CampaignReader.h"

#include <numeric>

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

// The payload's version text replaced, as StampScenarioVersion does in memory.
void stampPayload(std::vector<TPayloadPiece>& payload, TScenarioVersion version) {
    const auto versionText = VersionBytes(version);
    dropFront(payload, static_cast<std::int64_t>(versionText.size()));
    payload.insert(payload.begin(), TPayloadPiece::FromMemory(versionText));
}

} // namespace

// The edited list as the writer reads it: the runs' records are read from the campaign file
// a chunk at a time on every pass.
class TCampaignEditor::TPieceSource : public TWriterSource {
public:
    explicit TPieceSource(const TCampaignEditor& editor) : m_editor(editor) {}

    std::int64_t Count() const override { return static_cast<std::int64_t>(m_editor.Count()); }

    void ForEach(const std::function<void(const TWriterEntry&)>& visit) const override {
        for (const TPiece& piece : m_editor.m_pieces) {
            if (piece.Own) {
                visit(*piece.Own);
                continue;
            }
            ForEachTableEntry(*m_editor.m_source, piece.First, piece.Length, [&](TTableEntry&& row) {
                TWriterEntry entry{std::move(row.Name),
                                   std::move(row.FileName),
                                   {TPayloadPiece::FromFile(m_editor.m_source, row.Offset, row.Size)}};
                if (piece.Stamp)
                    stampPayload(entry.Payload, *piece.Stamp);
                if (piece.Name)
                    entry.Name = *piece.Name;
                if (piece.FileName)
                    entry.FileName = *piece.FileName;
                visit(entry);
            });
        }
    }

private:
    const TCampaignEditor& m_editor;
};

TCampaignEditor::TCampaignEditor(std::filesystem::path campaign, const TTextCodec& codec)
    : m_path(std::move(campaign)), m_codec(codec) {}

TCampaignEditor TCampaignEditor::Empty(const std::filesystem::path& campaign,
                                       const TTextCodec& codec) {
    return TCampaignEditor(campaign, codec);
}

TCampaignEditor TCampaignEditor::Open(const std::filesystem::path& campaign,
                                      const TTextCodec& codec) {
    TCampaignEditor editor(campaign, codec);
    editor.m_lock = std::make_unique<TCampaignLock>(campaign);
    editor.m_source = std::make_shared<const TInputFile>(campaign);
    TCampaignHead head = ReadCheckedCampaignHead(*editor.m_source);
    editor.m_title = std::move(head.Title);
    if (head.Count > 0)
        editor.m_pieces.push_back(TPiece{0, head.Count, {}, {}, {}, {}});
    return editor;
}

std::size_t TCampaignEditor::Count() const {
    return static_cast<std::size_t>(std::accumulate(
        m_pieces.begin(), m_pieces.end(), std::int64_t{0},
        [](std::int64_t sum, const TPiece& piece) { return sum + piece.Count(); }));
}

TWriterEntry TCampaignEditor::entryForFile(const std::filesystem::path& scenario) const {
    TScenarioNames names = ScenarioNamesOf(scenario, m_codec);
    return TWriterEntry{std::move(names.Name),
                        std::move(names.FileName),
                        {TPayloadPiece::FromPath(scenario, FileSizeOf(scenario))}};
}

std::size_t TCampaignEditor::splitAt(std::size_t position) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        const auto count = static_cast<std::size_t>(m_pieces[i].Count());
        if (position == start)
            return i;
        if (position < start + count) {
            TPiece tail = m_pieces[i];
            const auto head = static_cast<std::int64_t>(position - start);
            tail.First += head;
            tail.Length -= head;
            m_pieces[i].Length = head;
            m_pieces.insert(m_pieces.begin() + static_cast<std::ptrdiff_t>(i + 1), std::move(tail));
            return i + 1;
        }
        start += count;
    }
    RequireInsertPosition(position, start);
    return m_pieces.size();
}

TCampaignEditor::TPiece TCampaignEditor::takeOut(std::size_t index) {
    RequireEntryIndex(index, Count());
    const std::size_t at = splitAt(index);
    splitAt(index + 1);
    TPiece piece = std::move(m_pieces[at]);
    m_pieces.erase(m_pieces.begin() + static_cast<std::ptrdiff_t>(at));
    return piece;
}

void TCampaignEditor::putIn(std::size_t position, TPiece piece) {
    const std::size_t at = splitAt(position);
    m_pieces.insert(m_pieces.begin() + static_cast<std::ptrdiff_t>(at), std::move(piece));
}

void TCampaignEditor::Insert(std::size_t position, const std::filesystem::path& scenario) {
    RequireInsertPosition(position, Count());
    putIn(position, TPiece{0, 0, {}, {}, {}, entryForFile(scenario)});
}

void TCampaignEditor::Remove(std::size_t index) {
    takeOut(index);
}

TCampaignEditor::TPiece TCampaignEditor::TPiece::Part(std::int64_t first, std::int64_t length) const {
    if (Own)
        return *this;
    TPiece part = *this;
    part.First += first;
    part.Length = length;
    return part;
}

void TCampaignEditor::RemoveAll(const std::set<std::size_t>& positions) {
    if (positions.empty())
        return;
    RequireEntryIndex(*positions.rbegin(), Count());
    std::vector<TPiece> kept;
    auto removed = positions.begin();
    std::int64_t start = 0;
    for (const TPiece& piece : m_pieces) {
        const std::int64_t end = start + piece.Count();
        std::int64_t from = start; // the first position of the piece still to keep
        for (; removed != positions.end() && static_cast<std::int64_t>(*removed) < end; ++removed) {
            const auto at = static_cast<std::int64_t>(*removed);
            if (at > from)
                kept.push_back(piece.Part(from - start, at - from));
            from = at + 1;
        }
        if (from < end)
            kept.push_back(piece.Part(from - start, end - from));
        start = end;
    }
    m_pieces = std::move(kept);
}

void TCampaignEditor::Replace(std::size_t index, const std::filesystem::path& scenario) {
    TPiece replacement{0, 0, {}, {}, {}, entryForFile(scenario)};
    takeOut(index);
    putIn(index, std::move(replacement));
}

void TCampaignEditor::Move(std::size_t from, std::size_t to) {
    RequireEntryIndex(to, Count());
    TPiece moved = takeOut(from);
    putIn(to, std::move(moved));
}

void TCampaignEditor::requireVersionText(const TPiece& piece, std::size_t position) const {
    if (piece.Own) {
        RequireVersionText(piece.Own->Size(), position);
        return;
    }
    ForEachTableEntry(*m_source, piece.First, piece.Length,
                      [&](TTableEntry&& row) { RequireVersionText(row.Size, position++); });
}

void TCampaignEditor::stamp(TPiece& piece, TScenarioVersion version) {
    if (piece.Own)
        stampPayload(piece.Own->Payload, version);
    else
        piece.Stamp = version;
}

void TCampaignEditor::setVersion(std::size_t index, TScenarioVersion version) {
    RequireEntryIndex(index, Count());
    const std::size_t at = splitAt(index);
    splitAt(index + 1);
    requireVersionText(m_pieces[at], index);
    stamp(m_pieces[at], version);
}

void TCampaignEditor::setVersionOfAll(TScenarioVersion version) {
    std::size_t position = 0;
    for (const TPiece& piece : m_pieces) {
        requireVersionText(piece, position);
        position += static_cast<std::size_t>(piece.Count());
    }
    for (TPiece& piece : m_pieces)
        stamp(piece, version);
}

void TCampaignEditor::Rename(std::size_t index, std::string rawName,
                             std::optional<std::string> rawFileName) {
    RequireEntryIndex(index, Count());
    const std::size_t at = splitAt(index);
    splitAt(index + 1);
    TPiece& piece = m_pieces[at];
    if (piece.Own) {
        piece.Own->Name = std::move(rawName);
        if (rawFileName)
            piece.Own->FileName = std::move(*rawFileName);
        return;
    }
    piece.Name = std::move(rawName);
    if (rawFileName)
        piece.FileName = std::move(rawFileName);
}

void TCampaignEditor::Save(bool replaceExisting) const {
    std::optional<TCampaignLock> lockForTheWrite;
    if (!m_lock)
        lockForTheWrite.emplace(m_path);
    WriteCampaign(m_path, TitleForSave(m_title, m_path, m_codec), TPieceSource(*this),
                  replaceExisting);
}
