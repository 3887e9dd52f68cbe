#pragma once

#include <array>
#include <cstdint>
#include <span>

// The on-disk layout of a campaign file: a 264-byte header, Count records of 520 bytes,
// then the payloads. Integers are signed 32-bit little-endian; texts are fixed fields of
// single-byte characters.
namespace CampaignFormat {

constexpr std::int64_t HeaderSize = 264;
constexpr std::int64_t RecordSize = 520;
constexpr std::int64_t MaxFileSize = 2147483647; // offsets and sizes are signed 32-bit

constexpr std::size_t TitleWidth = 256;
constexpr std::size_t NameWidth = 255;
constexpr std::size_t FileNameWidth = 257;

constexpr std::array<std::uint8_t, 4> Version = {'1', '.', '0', '0'};

// Where the payload area starts for a campaign of count entries.
constexpr std::int64_t PayloadStart(std::int64_t count) {
    return HeaderSize + RecordSize * count;
}

} // namespace CampaignFormat

struct TCampaignHeader {
    std::array<std::uint8_t, 4> Version{};
    std::array<std::uint8_t, CampaignFormat::TitleWidth> Title{};
    std::int32_t Count = 0;
};

struct TScenarioRecord {
    std::int32_t Size = 0;
    std::int32_t Offset = 0;
    std::array<std::uint8_t, CampaignFormat::NameWidth> Name{};
    std::array<std::uint8_t, CampaignFormat::FileNameWidth> FileName{};
};

using THeaderBytes = std::array<std::uint8_t, CampaignFormat::HeaderSize>;
using TRecordBytes = std::array<std::uint8_t, CampaignFormat::RecordSize>;

THeaderBytes EncodeHeader(const TCampaignHeader& header);
TCampaignHeader DecodeHeader(std::span<const std::uint8_t, CampaignFormat::HeaderSize> bytes);
TRecordBytes EncodeRecord(const TScenarioRecord& record);
TScenarioRecord DecodeRecord(std::span<const std::uint8_t, CampaignFormat::RecordSize> bytes);
