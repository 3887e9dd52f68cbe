#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The campaign's options. Title holds the raw bytes of the title in the games' code page;
// empty means "derive the title from the file name when saving".
struct TCampaignOptions {
    std::string Title;
};

// A growable in-memory byte buffer with a current position, holding one scenario file. Its
// bytes may be a range of a buffer shared with other streams (payloads loaded from one
// campaign file that point at the same bytes); such a stream copies its range out the first
// time it is written, so that a change never shows through another stream.
class TMemoryStream {
public:
    using TSharedBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

    TMemoryStream() = default;
    // A stream over length bytes of shared from offset on; throws when they are not inside it.
    TMemoryStream(TSharedBytes shared, std::size_t offset, std::size_t length);

    std::size_t Size() const { return Bytes().size(); }
    std::size_t Position() const { return m_position; }
    void Seek(std::size_t position) { m_position = position; }

    // Reads up to buffer.size() bytes from the position on; returns how many were read.
    std::size_t Read(std::span<std::uint8_t> buffer);
    // Writes at the position, growing the buffer when the write passes its end.
    void Write(std::span<const std::uint8_t> bytes);

    // Replaces the whole content; the position goes back to 0.
    void Assign(std::vector<std::uint8_t> bytes);

    std::span<const std::uint8_t> Bytes() const;
    // Whether the bytes are still those of a shared buffer (nothing written since).
    bool IsShared() const { return m_shared != nullptr; }

private:
    TSharedBytes m_shared;
    std::size_t m_sharedOffset = 0;
    std::size_t m_sharedLength = 0;
    std::vector<std::uint8_t> m_own;
    std::size_t m_position = 0;
};

// One scenario of the campaign: where its payload sits in the campaign file, how long it
// is, and the scenario file's bytes.
struct TScenario {
    std::int32_t Offset = 0;
    std::int32_t Size = 0;
    TMemoryStream Stream;
};
