#pragma once

#include "CampaignLock.h"
#include "CampaignWriter.h"
#include "ScenarioPayload.h"
#include "TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Edits a campaign file without holding its scenarios, or even its table, in memory: the new
// list is kept as runs of the campaign file's records (each run maybe re-stamped with a
// version) and entries of its own for the scenario files added, and Save streams them into
// the new file. Memory depends on the number of edits, not on the number of records. The
// edits follow the model's rules (TCampaign and ScenarioPayload.h): the same positions, names
// and version stamps, so that both save the same file after the same edits.
class TCampaignEditor {
public:
    // Takes the campaign's lock, held until the editor goes, so that nobody writes the file
    // between this read and the write back; then opens the campaign and checks its header
    // and table.
    static TCampaignEditor Open(const std::filesystem::path& campaign, const TTextCodec& codec);
    // Starts an empty campaign to be written to path; Save takes the lock for the write.
    static TCampaignEditor Empty(const std::filesystem::path& campaign, const TTextCodec& codec);

    std::size_t Count() const;

    // Positions are 0-based here; the command line turns its 1-based indexes into them.
    void Insert(std::size_t position, const std::filesystem::path& scenario);
    void Remove(std::size_t index);
    // Removes every entry at these positions (of the list before the removal) in one pass,
    // however many there are.
    void RemoveAll(const std::set<std::size_t>& positions);
    void Replace(std::size_t index, const std::filesystem::path& scenario);
    void Move(std::size_t from, std::size_t to);
    void setVersion(std::size_t index, TScenarioVersion version);
    // All or nothing: a scenario shorter than four bytes leaves every one as it was.
    void setVersionOfAll(TScenarioVersion version);
    void setTitle(std::string rawTitle) { m_title = std::move(rawTitle); }
    // The stored texts only (raw bytes, already fitted to their fields); the payload stays.
    // No file name given keeps the entry's own.
    void Rename(std::size_t index, std::string rawName,
                std::optional<std::string> rawFileName = std::nullopt);

    void Save(bool replaceExisting = true) const;

private:
    // Length records of the campaign file from First on, or one entry of its own.
    struct TPiece {
        std::int64_t First = 0;
        std::int64_t Length = 0;
        std::optional<TScenarioVersion> Stamp;
        // Texts that stand in for the record's own (a renamed record is a piece of one).
        std::optional<std::string> Name;
        std::optional<std::string> FileName;
        std::optional<TWriterEntry> Own;

        std::int64_t Count() const { return Own ? 1 : Length; }
        // The `length` entries from the piece's `first` on.
        TPiece Part(std::int64_t first, std::int64_t length) const;
    };
    class TPieceSource;

    TCampaignEditor(std::filesystem::path campaign, const TTextCodec& codec);

    TWriterEntry entryForFile(const std::filesystem::path& scenario) const;
    // The index of the piece that starts at position (pieces.size() at the end), splitting
    // a run when position falls inside it.
    std::size_t splitAt(std::size_t position);
    TPiece takeOut(std::size_t index);
    void putIn(std::size_t position, TPiece piece);
    // Throws when a scenario of the piece, the first at position, is shorter than four bytes.
    void requireVersionText(const TPiece& piece, std::size_t position) const;
    static void stamp(TPiece& piece, TScenarioVersion version);

    std::filesystem::path m_path;
    const TTextCodec& m_codec;
    std::unique_ptr<TCampaignLock> m_lock;
    std::shared_ptr<const TInputFile> m_source;
    std::string m_title;
    std::vector<TPiece> m_pieces;
};
