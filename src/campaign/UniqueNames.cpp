#include "UniqueNames.h"

#include "FileNames.h"

#include <stdexcept>

namespace {

std::uint64_t hashOf(const std::string& name) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash ^= hash >> 29; // spread the high bits into the slot index
    return hash == 0 ? 1 : hash;
}

} // namespace

TUniqueNames::TUniqueNames(std::size_t count, std::size_t maxBytes)
    : m_slots(count + count / 3 + 16, 0), m_left(count), m_maxBytes(maxBytes) {}

bool TUniqueNames::insert(std::uint64_t hash) {
    const auto slotCount = static_cast<unsigned __int128>(m_slots.size());
    auto slot = static_cast<std::size_t>((static_cast<unsigned __int128>(hash) * slotCount) >> 64);
    while (m_slots[slot] != 0) {
        if (m_slots[slot] == hash)
            return false;
        slot = slot + 1 == m_slots.size() ? 0 : slot + 1;
    }
    m_slots[slot] = hash;
    return true;
}

std::string TUniqueNames::Next(const std::string& name) {
    if (m_left == 0)
        throw std::length_error("more names than announced");
    --m_left;
    std::string candidate = FitFileName(name, m_maxBytes);
    const std::uint64_t nameHash = hashOf(candidate);
    if (insert(nameHash))
        return candidate;
    std::uint64_t& number = m_nextNumber.try_emplace(nameHash, 2).first->second;
    do
        candidate = FitFileName(name, m_maxBytes, " (" + std::to_string(number++) + ")");
    while (!insert(hashOf(candidate)));
    return candidate;
}
