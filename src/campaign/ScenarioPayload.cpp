#include "ScenarioPayload.h"

#include "CampaignError.h"
#include "FileFormat.h"
#include "FileIO.h"
#include "FileNames.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr std::array<std::pair<TScenarioVersion, const char*>, 3> KnownVersions = {{
    {TScenarioVersion::Trial110, "1.10"},
    {TScenarioVersion::Game111, "1.11"},
    {TScenarioVersion::Expansion118, "1.18"},
}};

constexpr std::int64_t VersionTextLength = 4;

// Scenario lengths are signed 32-bit in a campaign file.
std::int32_t scenarioLength(const TInputFile& file) {
    if (file.Length() > CampaignFormat::MaxFileSize)
        throw ECampaignError(
            "The file " + file.Path().string() +
            " is too large for a campaign: scenario files must be smaller than 2 GiB");
    return static_cast<std::int32_t>(file.Length());
}

} // namespace

std::string VersionText(TScenarioVersion version) {
    const auto bytes = VersionBytes(version);
    return std::string(bytes.begin(), bytes.end());
}

std::span<const std::uint8_t, 4> VersionBytes(TScenarioVersion version) {
    for (const auto& [known, text] : KnownVersions)
        if (known == version)
            return std::span<const std::uint8_t, 4>(reinterpret_cast<const std::uint8_t*>(text), 4);
    throw std::invalid_argument("version");
}

std::optional<TScenarioVersion> ParseVersionText(std::string_view text) {
    for (const auto& [known, knownText] : KnownVersions)
        if (text == knownText)
            return known;
    return std::nullopt;
}

std::int32_t FileSizeOf(const std::filesystem::path& path) {
    return scenarioLength(TInputFile(path));
}

std::unique_ptr<TScenario> ReadScenarioFile(const std::filesystem::path& path) {
    const TInputFile file(path);
    auto scenario = std::make_unique<TScenario>();
    scenario->Size = scenarioLength(file);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(scenario->Size));
    file.ReadAt(0, bytes);
    scenario->Stream.Assign(std::move(bytes));
    return scenario;
}

TScenarioNames ScenarioNamesOf(const std::filesystem::path& path, const TTextCodec& codec) {
    std::string fileName = StoredFileName(path, codec);
    std::string name = NameFromFileName(fileName, codec);
    return {std::move(name), std::move(fileName)};
}

TCampaignEntry ReadScenarioEntry(const std::filesystem::path& path, const TTextCodec& codec) {
    std::unique_ptr<TScenario> scenario = ReadScenarioFile(path);
    TScenarioNames names = ScenarioNamesOf(path, codec);
    return MakeEntry(std::move(names.Name), std::move(names.FileName), std::move(scenario));
}

void AddScenarioFile(TCampaign& campaign, const std::filesystem::path& path,
                     const TTextCodec& codec) {
    campaign.AppendEntry(ReadScenarioEntry(path, codec));
    campaign.UpdateOffsets();
}

void ReplaceScenarioFile(TCampaign& campaign, std::size_t index, const std::filesystem::path& path,
                         const TTextCodec& codec) {
    TCampaignEntry& entry = campaign.Entry(index);
    TCampaignEntry replacement = ReadScenarioEntry(path, codec);
    SwapEntryContent(entry, replacement);
    campaign.UpdateOffsets();
}

void InsertScenarioFile(TCampaign& campaign, std::size_t index, const std::filesystem::path& path,
                        const TTextCodec& codec) {
    RequireInsertPosition(index, campaign.Count());
    campaign.InsertEntry(index, ReadScenarioEntry(path, codec));
    campaign.UpdateOffsets();
}

void ExportScenario(const TScenario& scenario, const std::filesystem::path& path) {
    TAtomicFile file(path);
    file.Write(scenario.Stream.Bytes());
    file.Commit();
}

std::optional<TScenarioVersion> ReadScenarioVersion(TScenario& scenario) {
    std::array<std::uint8_t, 4> bytes{};
    scenario.Stream.Seek(0);
    const std::size_t count = scenario.Stream.Read(bytes);
    scenario.Stream.Seek(0);
    if (count < bytes.size())
        return std::nullopt;
    return ParseVersionText(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void RequireVersionText(std::int64_t payloadSize, std::optional<std::size_t> position) {
    if (payloadSize >= VersionTextLength)
        return;
    const std::string scenario =
        position ? "scenario " + std::to_string(*position + 1) : std::string("The scenario");
    throw ECampaignError(scenario + " is shorter than four bytes and has no version text to set");
}

void StampScenarioVersion(TScenario& scenario, TScenarioVersion version) {
    WriteVersionText(scenario, VersionBytes(version));
}

void WriteVersionText(TScenario& scenario, std::span<const std::uint8_t, 4> text) {
    RequireVersionText(static_cast<std::int64_t>(scenario.Stream.Size()));
    scenario.Stream.Seek(0);
    scenario.Stream.Write(text);
    scenario.Stream.Seek(0);
}

std::array<std::uint8_t, 4> VersionTextOf(const TScenario& scenario) {
    RequireVersionText(static_cast<std::int64_t>(scenario.Stream.Size()));
    std::array<std::uint8_t, 4> text{};
    const auto bytes = scenario.Stream.Bytes();
    std::copy_n(bytes.begin(), text.size(), text.begin());
    return text;
}
