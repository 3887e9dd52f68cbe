#pragma once

#include "Campaign.h"
#include "FileIO.h"
#include "TextCodec.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A piece of a scenario's payload: bytes in memory, a byte range of an open file, or the
// first bytes of a file that is opened only when the campaign is written (so that a campaign
// of thousands of scenario files does not hold thousands of files open).
struct TPayloadPiece {
    std::span<const std::uint8_t> Memory;
    std::shared_ptr<const TInputFile> File;
    std::filesystem::path Path;
    std::int64_t Offset = 0;
    std::int64_t Length = 0;

    static TPayloadPiece FromMemory(std::span<const std::uint8_t> bytes);
    static TPayloadPiece FromFile(std::shared_ptr<const TInputFile> file, std::int64_t offset,
                                  std::int64_t length);
    static TPayloadPiece FromPath(std::filesystem::path path, std::int64_t length);

    bool InMemory() const { return !File && Path.empty(); }
    std::int64_t Size() const {
        return InMemory() ? static_cast<std::int64_t>(Memory.size()) : Length;
    }
};

// One entry as the writer sees it: texts as raw bytes, and where its payload comes from.
struct TWriterEntry {
    std::string Name;
    std::string FileName;
    std::vector<TPayloadPiece> Payload;

    std::int64_t Size() const;
};

// The entries a campaign is written from, visited in order as often as the writer needs
// (for the layout, the table and the payloads), so that they need not all be in memory at once.
class TWriterSource {
public:
    virtual ~TWriterSource() = default;
    virtual std::int64_t Count() const = 0;
    virtual void ForEach(const std::function<void(const TWriterEntry&)>& visit) const = 0;
};

// The title a campaign is saved with: its own, or when empty the saved file's name less its
// extension, in the campaign's code page; cut between characters to what the title field
// reads back whole.
std::string TitleForSave(std::string_view title, const std::filesystem::path& path,
                         const TTextCodec& codec);

// Writes header, table and payloads in one forward pass, payloads back to back, each record's
// Offset and Size those of the bytes written. The file appears only when complete; on any
// failure an existing file at path is untouched. A layout beyond 2,147,483,647 bytes is
// refused before anything is written. With replaceExisting false, an existing file is an error.
void WriteCampaign(const std::filesystem::path& path, std::string_view title,
                   const TWriterSource& entries, bool replaceExisting = true);
void WriteCampaign(const std::filesystem::path& path, std::string_view title,
                   const std::vector<TWriterEntry>& entries, bool replaceExisting = true);

// Saves the model to path, holding the campaign's lock while it writes (another program
// writing the file is waited for a few seconds, then the save fails). Payloads are placed back to back, so the model's offsets are
// brought in line with the saved file afterwards.
void SaveCampaign(TCampaign& campaign, const std::filesystem::path& path,
                  const TTextCodec& codec = TTextCodec());
