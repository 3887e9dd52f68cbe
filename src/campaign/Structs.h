#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The campaign's options. Title holds the raw bytes of the title in the games' code page;
// empty means "derive the title from the file name when saving".
struct TCampaignOptions {
    std::string Title;
};

// A growable in-memory byte buffer with a current position, holding one scenario file.
class TMemoryStream {
public:
    std::size_t Size() const { return m_bytes.size(); }
    std::size_t Position() const { return m_position; }
    void Seek(std::size_t position) { m_position = position; }

    // Reads up to buffer.size() bytes from the position on; returns how many were read.
    std::size_t Read(std::span<std::uint8_t> buffer);
    // Writes at the position, growing the buffer when the write passes its end.
    void Write(std::span<const std::uint8_t> bytes);

    // Replaces the whole content; the position goes back to 0.
    void Assign(std::vector<std::uint8_t> bytes);
    void Clear();

    std::span<const std::uint8_t> Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

// One scenario of the campaign: where its payload sits in the campaign file, how long it
// is, and the scenario file's bytes.
struct TScenario {
    std::int32_t Offset = 0;
    std::int32_t Size = 0;
    TMemoryStream Stream;
};
