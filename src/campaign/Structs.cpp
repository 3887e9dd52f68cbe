#include "Structs.h"

#include <algorithm>
#include <stdexcept>

TMemoryStream::TMemoryStream(TSharedBytes shared, std::size_t offset, std::size_t length)
    : m_shared(std::move(shared)), m_sharedOffset(offset), m_sharedLength(length) {
    if (!m_shared || offset > m_shared->size() || length > m_shared->size() - offset)
        throw std::out_of_range("shared stream range");
}

std::span<const std::uint8_t> TMemoryStream::Bytes() const {
    if (m_shared)
        return std::span(*m_shared).subspan(m_sharedOffset, m_sharedLength);
    return m_own;
}

std::size_t TMemoryStream::Read(std::span<std::uint8_t> buffer) {
    const auto bytes = Bytes();
    if (m_position >= bytes.size())
        return 0;
    const std::size_t count = std::min(buffer.size(), bytes.size() - m_position);
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(m_position), count, buffer.begin());
    m_position += count;
    return count;
}

void TMemoryStream::Write(std::span<const std::uint8_t> bytes) {
    if (m_shared) {
        const auto shared = Bytes();
        m_own.assign(shared.begin(), shared.end());
        m_shared.reset();
    }
    const std::size_t end = m_position + bytes.size();
    if (end > m_own.size())
        m_own.resize(end);
    std::copy(bytes.begin(), bytes.end(), m_own.begin() + static_cast<std::ptrdiff_t>(m_position));
    m_position = end;
}

void TMemoryStream::Assign(std::vector<std::uint8_t> bytes) {
    m_shared.reset();
    m_own = std::move(bytes);
    m_position = 0;
}
