#include "FileFormat.h"

#include <algorithm>

namespace {

void putInt32(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t getInt32(const std::uint8_t* at) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

template <std::size_t N> void putField(std::uint8_t* at, const std::array<std::uint8_t, N>& field) {
    std::copy(field.begin(), field.end(), at);
}

template <std::size_t N> void getField(const std::uint8_t* at, std::array<std::uint8_t, N>& field) {
    std::copy_n(at, N, field.begin());
}

} // namespace

THeaderBytes EncodeHeader(const TCampaignHeader& header) {
    THeaderBytes bytes{};
    putField(bytes.data(), header.Version);
    putField(bytes.data() + 4, header.Title);
    putInt32(bytes.data() + 260, header.Count);
    return bytes;
}

TCampaignHeader DecodeHeader(std::span<const std::uint8_t, CampaignFormat::HeaderSize> bytes) {
    TCampaignHeader header;
    getField(bytes.data(), header.Version);
    getField(bytes.data() + 4, header.Title);
    header.Count = getInt32(bytes.data() + 260);
    return header;
}

TRecordBytes EncodeRecord(const TScenarioRecord& record) {
    TRecordBytes bytes{};
    putInt32(bytes.data(), record.Size);
    putInt32(bytes.data() + 4, record.Offset);
    putField(bytes.data() + 8, record.Name);
    putField(bytes.data() + 263, record.FileName);
    return bytes;
}

TScenarioRecord DecodeRecord(std::span<const std::uint8_t, CampaignFormat::RecordSize> bytes) {
    TScenarioRecord record;
    record.Size = getInt32(bytes.data());
    record.Offset = getInt32(bytes.data() + 4);
    getField(bytes.data() + 8, record.Name);
    getField(bytes.data() + 263, record.FileName);
    return record;
}
