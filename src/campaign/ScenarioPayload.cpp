#include "ScenarioPayload.h"

#include "CampaignError.h"
#include "FileFormat.h"
#include "FileIO.h"
#include "FileNames.h"

#include <array>
#include <stdexcept>

namespace {

constexpr std::array<std::pair<TScenarioVersion, const char*>, 3> KnownVersions = {{
    {TScenarioVersion::Trial110, "1.10"},
    {TScenarioVersion::Game111, "1.11"},
    {TScenarioVersion::Expansion118, "1.18"},
}};

constexpr std::int64_t VersionTextLength = 4;

TCampaignEntry entryFor(const std::filesystem::path& path, std::unique_ptr<TScenario> scenario,
                        const TTextCodec& codec) {
    TScenarioNames names = ScenarioNamesOf(path, codec);
    return MakeEntry(std::move(names.Name), std::move(names.FileName), std::move(scenario));
}

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

void AddScenarioFile(TCampaign& campaign, const std::filesystem::path& path,
                     const TTextCodec& codec) {
    campaign.AppendEntry(entryFor(path, ReadScenarioFile(path), codec));
    campaign.UpdateOffsets();
}

void ReplaceScenarioFile(TCampaign& campaign, std::size_t index, const std::filesystem::path& path,
                         const TTextCodec& codec) {
    TCampaignEntry& entry = campaign.Entry(index);
    TCampaignEntry replacement = entryFor(path, ReadScenarioFile(path), codec);
    // The entry keeps its scenario object; only its content, size and texts change.
    entry.Scenario->Size = replacement.Scenario->Size;
    entry.Scenario->Stream = std::move(replacement.Scenario->Stream);
    entry.Name = std::move(replacement.Name);
    entry.FileName = std::move(replacement.FileName);
    entry.OffsetText = "?";
    entry.SizeText = std::move(replacement.SizeText);
    campaign.UpdateOffsets();
}

void InsertScenarioFile(TCampaign& campaign, std::size_t index, const std::filesystem::path& path,
                        const TTextCodec& codec) {
    RequireInsertPosition(index, campaign.Count());
    campaign.InsertEntry(index, entryFor(path, ReadScenarioFile(path), codec));
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
    RequireVersionText(static_cast<std::int64_t>(scenario.Stream.Size()));
    scenario.Stream.Seek(0);
    scenario.Stream.Write(VersionBytes(version));
    scenario.Stream.Seek(0);
}
