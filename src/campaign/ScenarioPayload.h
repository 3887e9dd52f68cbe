#pragma once

#include "Campaign.h"
#include "TextCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

// The version texts a scenario can carry in its first four bytes.
enum class TScenarioVersion { Trial110, Game111, Expansion118 };

std::string VersionText(TScenarioVersion version);
// The same four characters as bytes, in static storage.
std::span<const std::uint8_t, 4> VersionBytes(TScenarioVersion version);
std::optional<TScenarioVersion> ParseVersionText(std::string_view text);

// The size of the file at path; "Cannot open file <path>" when it cannot be read, and a
// refusal for files of 2 GiB or more, which no campaign can hold.
std::int32_t FileSizeOf(const std::filesystem::path& path);

// A new scenario holding the whole file at path, Offset 0.
std::unique_ptr<TScenario> ReadScenarioFile(const std::filesystem::path& path);

// What a scenario file is listed under: its file name as stored (see StoredFileName), and as
// its name that file name less its extension.
struct TScenarioNames {
    std::string Name;
    std::string FileName;
};
TScenarioNames ScenarioNamesOf(const std::filesystem::path& path, const TTextCodec& codec);

// A new entry for the scenario file at path, listed under ScenarioNamesOf's names; nothing
// is added anywhere. Throws when the file cannot be read.
TCampaignEntry ReadScenarioEntry(const std::filesystem::path& path, const TTextCodec& codec);

// Each reads the file first: when that fails, the campaign is left exactly as it was.
// Names come from the path's file name: a path is the file system's bytes (on Linux a
// std::filesystem::path built from a std::string holds them unchanged); a valid UTF-8 name is
// converted to the campaign's code page, any other name is stored as the bytes it is.
void AddScenarioFile(TCampaign& campaign, const std::filesystem::path& path,
                     const TTextCodec& codec = TTextCodec());
void ReplaceScenarioFile(TCampaign& campaign, std::size_t index, const std::filesystem::path& path,
                         const TTextCodec& codec = TTextCodec());
void InsertScenarioFile(TCampaign& campaign, std::size_t index, const std::filesystem::path& path,
                        const TTextCodec& codec = TTextCodec());

// Writes the scenario's whole payload to path, replacing any file there only once the new
// content is complete.
void ExportScenario(const TScenario& scenario, const std::filesystem::path& path);

// The version text of the payload, or nothing when it is not one of the three known ones.
std::optional<TScenarioVersion> ReadScenarioVersion(TScenario& scenario);

// A payload shorter than four bytes has no version text to replace: stamping it is refused,
// so that a scenario's size always stays the number of bytes the campaign file gets. Throws
// for such a payload; given the scenario's 0-based position, the message names it counting
// from 1 ("scenario 3 is shorter ...").
void RequireVersionText(std::int64_t payloadSize,
                        std::optional<std::size_t> position = std::nullopt);

// Overwrites the first four bytes with the version text; nothing else changes. A payload
// without a version text is refused (RequireVersionText).
void StampScenarioVersion(TScenario& scenario, TScenarioVersion version);
// The same with any four bytes (an earlier stamp put back), and the four bytes there now.
void WriteVersionText(TScenario& scenario, std::span<const std::uint8_t, 4> text);
std::array<std::uint8_t, 4> VersionTextOf(const TScenario& scenario);
