#include "Structs.h"

#include <algorithm>

std::size_t TMemoryStream::Read(std::span<std::uint8_t> buffer) {
    if (m_position >= m_bytes.size())
        return 0;
    const std::size_t count = std::min(buffer.size(), m_bytes.size() - m_position);
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), count, buffer.begin());
    m_position += count;
    return count;
}

void TMemoryStream::Write(std::span<const std::uint8_t> bytes) {
    const std::size_t end = m_position + bytes.size();
    if (end > m_bytes.size())
        m_bytes.resize(end);
    std::copy(bytes.begin(), bytes.end(),
              m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position));
    m_position = end;
}

void TMemoryStream::Assign(std::vector<std::uint8_t> bytes) {
    m_bytes = std::move(bytes);
    m_position = 0;
}

void TMemoryStream::Clear() {
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_position = 0;
}
